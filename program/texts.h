// The adventure's texts, UTF-8, converted to Windows-1250 when printed.
//
// Narrative texts are named by the role they play; the replies whose
// wording is fixed come first. Every text must survive the Windows-1250
// code page, so speech-friendly ASCII punctuation is used throughout (no
// typographic quotes or dashes).
#pragma once

#include <string_view>

namespace ulvora::program::text {

using T = std::string_view;

// --- Fixed wording: the run, the yes/no questions and the endings --------
inline constexpr T kPlayedEnough = "Dneska už sis zahrál dost a ";
inline constexpr T kInstructionsQuestion = "chceš instrukce? Napiš ano nebo ne";
inline constexpr T kAskName = "vlož své jméno v pátém pádě";
inline constexpr T kWelcome = "Vítám tě ve hře, ";
inline constexpr T kGoodLuck = "Hodně zdaru!";
inline constexpr T kPlayAgainQuestion = "Chceš si zahrát ještě jednou? Napiš ano nebo ne";
inline constexpr T kGameErased = "Hra i paměť pro ram save smazána.";
inline constexpr T kNoGamesLeft = "Dnes už radši né. Nějak ti to nezapaluje. Zkus to zítra.";

// --- Fixed wording: the command loop and the verbs ----------------------
inline constexpr T kPrompt = "co teď?";
inline constexpr T kBlocked = "Tímto směrem se nedá jít.";
inline constexpr T kUnknownCommand = "Tento příkaz nechápu! Volej PŘÍKAZY.";
inline constexpr T kTakeWhat = "Musíš udat, co chceš brát!";
inline constexpr T kHandsFull = "Máš plné ruce. Nemůžeš nic dalšího brát.";
inline constexpr T kTaken = "oukej";
inline constexpr T kCannotTake = "Tuto věc nelze sebrat!";
inline constexpr T kWouldCutYourself = "Ještě by ses pořezal, ty nemotorné, obézní slůně!";
inline constexpr T kPutWhat = "Musíš udat, co chceš položit!";
inline constexpr T kPutDown = "položeno";
inline constexpr T kNotCarried = "Tuto věc nemáš u sebe. Volej inventář.";
inline constexpr T kCarryingNothingToPut = "Nemůžeš položit žádnou věc, protože u sebe nic nemáš.";
inline constexpr T kInventoryHeader = "Ve tvých rukou je ";
inline constexpr T kCarryingNothing = "Nic sebou neneseš.";
inline constexpr T kExamineWhat = "Musíš udat, co chceš prozkoumat.";
inline constexpr T kCannotExamine = "Tuto věc nelze zkoumat nebo ji nemáš u sebe.";
inline constexpr T kPutItDownFirst = "Polož si, co chceš rozbít, ještě si ublížíš.";
inline constexpr T kNoTool = "Nemáš nástroj, kterým bys mohl rozbíjet.";
inline constexpr T kCannotBreak = "Tento předmět nemůžeš rozbít.";
inline constexpr T kPressWhat = "Rád bys něco stiskl, ale musíš napsat co.";
inline constexpr T kDrinkWhat = "Něco k pití by ti přišlo k duhu, ale musíš napsat co.";
inline constexpr T kCannotDrink = "Tohohle se těžko nabumbáš.";
inline constexpr T kDoNotQuitHere =
    "Tady by bylo škoda skončit, zkus jiný příkaz a určitě dojdeš svého cíle.";
inline constexpr T kQuitQuestion = "Opravdu chceš skončit? Napiš ano nebo ne";
inline constexpr T kHereHeader = "Je zde ";
inline constexpr T kListSeparator = ", ";
inline constexpr T kNoExit = "Z této místnosti nevede žádný východ.";
inline constexpr T kExitsHeader = "Lze jít ";
inline constexpr T kExitNorth = "na sever,";
inline constexpr T kExitSouth = "na jih,";
inline constexpr T kExitEast = "na východ,";
inline constexpr T kExitWest = "na západ,";

// The commands list, line by line.
inline constexpr T kCommandsList[] = {
    "Příkazy pro pohyb:",
    "s=sever,",
    "j=jih,",
    "v=východ,",
    "z=západ.",
    "Ostatní příkazy:",
    "ber =sebrat předmět,",
    "pol =položit předmět,",
    "pro =prozkoumat předmět,",
    "pij =pij předmět,",
    "sti =stiskni předmět,",
    "roz =rozbij předmět,",
    "ram sav a ram loa =ulož pozici do paměti a nahraj pozici z paměti.",
    "Jednoslovné příkazy: mís =popis místnosti, ve které právě jsi,",
    "smě =popis východů z místnosti.",
    "inv =seznam předmětů, které máš u sebe,",
    "tel =slouží k přemísťování časoprostorem,",
    "",
    "pří =seznam všech použitelných příkazů,",
    "kon =ukončení hry.",
};

// --- Fixed wording: events ------------------------------------------------
inline constexpr T kBurningRoomFull = "Jsi v místnosti, která je plná hořícího plynu.";
inline constexpr T kSomethingFellOut = "Ze skafandru něco vypadlo.";
inline constexpr T kPassageAppeared = "Na severu se objevil průchod.";
inline constexpr T kDisketteStuck =
    "Disketa se však v přístroji nějak zasekla či co a nejde již vytáhnout.";
inline constexpr T kSecretDoorOpened = "V severní stěně se otevřely tajné dveře.";
inline constexpr T kLostEverything =
    "Při letu časoprostorem jsi ztratil veškeré předměty, které jsi měl u sebe.";
inline constexpr T kTeleportIncomplete = "K teleportu ti něco chybí.";
inline constexpr T kTeleportOnlyInRooms =
    "K teleportování časoprostorem lze využít jen teleportačních místností.";
inline constexpr T kFlightLight = "Vše okolo tebe se ztratilo v záři světla.";
inline constexpr T kFlight = "Letíš časoprostorem.";
inline constexpr T kBookContents[] = {
    "OBSAH:",
    "",
    "1 =Obecný popis hry,",
    "2 =podrobný popis příkazů,",
    "3 =rada autorů,",
    "4 =zavřít knihu.",
    "Napiš 1, 2, 3 nebo 4",
};
inline constexpr T kBookWrongNumber = "Musíš psát jen číslo mezi jedničkou a čtyřkou!";
inline constexpr T kBookClosed = "Zavřel jsi knihu.";
inline constexpr T kKnowPassword = "A znáš heslo? Napiš ano nebo ne";
inline constexpr T kSaved = "Situace nahrána v paměti.";
inline constexpr T kLoadLimit = "Operace s pamětí může být použita pouze třikrát.";
inline constexpr T kLoaded = "Situace v pořádku nahrána.";
inline constexpr T kMemoryUsage = "Operace s pamětí se provádí jen příkazy ram load a ram save.";

// --- The title and the instructions ---------------------------------------
inline constexpr T kTitleAnnouncement =
    "Do tvého počítače se právě vplížil program, ze kterého tuhne krev v žilách.";
inline constexpr T kTitle = "ÚSTAV ZTRACENÝCH VĚDCŮ";
inline constexpr T kForgetYourName =
    ", ale své jméno hned zase zapomeň: hrdina této hry má jméno pevně dané a jmenuje se "
    "Vojta Pátral.";
inline constexpr T kSettingFirst = "Je pondělní ráno a ty si nad hrnkem kávy listuješ novinami. ";
inline constexpr T kSettingSecond = "Najednou ti padne do oka titulek na první straně:";
inline constexpr T kHeadline = "ZÁHADA NA ČERNÉ HŮRCE: Z VÝZKUMNÉHO ÚSTAVU ZMIZELI VĚDCI!";
inline constexpr T kNewsFirst =
    "Ze Státního ústavu pro výzkum časoprostoru na Černé hůrce se už tři týdny nikdo neozval. "
    "Po záhadném výbuchu zbyla z budovy polorozpadlá zřícenina a po pěti vědcích, kteří v ní "
    "pracovali na tajném projektu, se slehla zem.";
inline constexpr T kNewsSecond =
    "Záchranáři, kteří se odvážili dovnitř, vyběhli ven bledí jako stěna a o tom, co viděli, "
    "odmítají mluvit. Ministerstvo slibuje štědrou odměnu každému, kdo zjistí, co se s vědci "
    "stalo.";
inline constexpr T kInstructions[] = {
    "Hru ovládáš příkazy o jednom nebo dvou slovech a z každého slova stačí napsat první tři "
    "písmena.",
    "Nejdřív napiš sloveso, za ním mezeru a podstatné jméno, například ber kni. Seznam "
    "příkazů ti kdykoli vypíše příkaz pří.",
    "Tvým úkolem je zjistit, co se stalo s vědci, a alespoň jednoho z nich zachránit.",
    "Odměna tě nemine, ale vyzvedneš si ji jen tehdy, když se vrátíš živý. Tak dávej pozor, "
    "kam šlapeš.",
};

// --- Rooms ----------------------------------------------------------------
inline constexpr T kAbyssFall =
    "Vykročil jsi na sever, jenže tam už žádná zem nebyla. Padáš do bezedné propasti a "
    "padáš a padáš. Dole něco hladově mlaskne.";
inline constexpr T kSecondEntrance =
    "Teleport tě vyplivl ve vstupní síni druhé části ústavu. Nevidíš tu žádné dveře, jen na "
    "zemi se něco bělá.";
inline constexpr T kCrumblingEdge =
    "Stojíš na malém kousku země na drolícím se okraji propasti. Strop se tu dávno zřítil a "
    "nad hlavou vidíš jen šedé nebe. Na sever zeje propast, na východ vede zpátky úzká římsa.";
inline constexpr T kBrokenStairs =
    "Jsi u rozbitého schodiště, které končí uprostřed vzduchu. Na západ vede nad propastí "
    "jen úzká římsa k malému kousku země na druhé straně. Bez něčeho, čím by ses jistil, "
    "bys po ní nerad šel.";
inline constexpr T kHelicopterRoom =
    "Jsi v rozbořené místnosti. Uprostřed stojí pomačkaný vrtulník, střešním oknem s "
    "popraskaným sklem sem padá šedé světlo a po zemi jsou kaluže nafty.";
inline constexpr T kHelicopterDoor =
    "Ve východní stěně jsou dveře s nápisem a vedle nich velký knoflík.";
inline constexpr T kBurningRoom =
    "Jsi ve staré kotelně, kde všude hoří plyn. Oheň olizuje zkroucené trubky u stropu a lak "
    "na stěnách se škvaří do puchýřů. Skafandr zatím drží, ale dlouho tu nevydržíš.";
inline constexpr T kDebrisRoom =
    "Jsi v místnosti plné úlomků zdiva. Stěny jsou rozbrázděné trhlinami, pod stropem vedou "
    "žluté trubky a od západu sem táhne horký vzduch, jako by tam něco hořelo.";
inline constexpr T kDebrisNothingElse = "Nic dalšího tu není.";
inline constexpr T kNewLaboratoryFirst =
    "Jsi v nové laboratoři plné nejmodernějších přístrojů, pod stropem vedou žluté trubky. ";
inline constexpr T kNewLaboratorySecond =
    "Jednu stěnu tvoří silné sklo a na něm je přilepená malá cedulka.";
inline constexpr T kNorthStore =
    "Jsi v severním skladu. Regály jsou převrácené a po zemi se válí prázdné bedny.";
inline constexpr T kSupportRoom =
    "Jsi v místnosti, jejíž popraskaný strop podpírá mohutný sloup. Ze sloupu trčí páka. Od "
    "východu sem táhne podivný nasládlý zápach.";
inline constexpr T kGasRoom =
    "Jsi v místnosti obložené popraskanými kachličkami. Z prasklé trubky u stropu se sem "
    "začal valit plyn. V rohu u země je malé doupě.";
inline constexpr T kMaskPraise =
    "Naštěstí máš masku. Dýcháš klidně dál a plyn ti může leda tak vlézt na záda.";
inline constexpr T kGeneratorRoom =
    "Jsi v generátorovně. Uprostřed mručí starý agregát s velkým filtrem na boku.";
inline constexpr T kWirePassageFirst =
    "Jsi v průchodu, kde ze stěn visí spousta drátů a jeden tlustý kabel. Nad jižním vchodem "
    "je nápis velkými písmeny: ";
inline constexpr T kWirePassageSecond = "PERICULUM";
inline constexpr T kComputerRoom =
    "Jsi v laboratoři s počítačem. Na pultu leží papíry a stojí tam počítač s obrazovkou a "
    "mechanikou na velké diskety. Kolem jsou přístroje s budíky, knoflíky a páčkami.";
inline constexpr T kMonsterRoom =
    "Jsi ve sluji, kde v jižní stěně dřímá obrovská příšera. Její tlama je otevřená jako "
    "vrata do stodoly a valí se z ní teplý páchnoucí dech.";
inline constexpr T kStayQuiet =
    "Vzpomněl sis na varování ze znaků a jsi zticha jako myška. Příšera spokojeně chrápe dál.";
inline constexpr T kArrowRoom =
    "Jsi v místnosti se šipkou. Na severní stěně je namalovaná velká šipka a pod ní řada "
    "podivných znaků.";
inline constexpr T kWindowCorridor =
    "Jsi v chodbě s oknem. Okno je zazděné a ze zdí tu opadává omítka.";
inline constexpr T kScientistsStore =
    "Jsi ve skladu vědců. Na policích stojí zaprášené krabice se jmény lidí, kteří si pro ně "
    "už nikdy nepřijdou.";
inline constexpr T kRegulatorRoom =
    "Jsi v regulátorovně. Na stěně je velký regulátor s pákou a vedle něj visí cedule s "
    "nějakým veršíkem.";
inline constexpr T kTeleportRoom1 =
    "Jsi v teleportační místnosti číslo jedna. Uprostřed stojí kabina teleportu, na ní "
    "tabulka s nápisem: Cíl vstupní hala. V ovládacím pultu je štěrbina na destičku s "
    "písmenem.";
inline constexpr T kTortureChamber =
    "Jsi v mučírně. Ze stropu visí řetězy, v rohu stojí skřipec a na severní stěně jsou "
    "připevněné okovy.";
inline constexpr T kTortureCorridor =
    "Jsi v chodbě před mučírnou. Na sever se otvírá vlhký páchnoucí otvor, ze kterého vane "
    "teplý dech. Daleko na východě světélkuje na podlaze nějaký kruh.";
inline constexpr T kEntranceHall =
    "Jsi ve vstupní hale ústavu. Na podlaze je namalovaný světélkující kruh a ze stropu visí "
    "rozbitý lustr.";
inline constexpr T kDoorSlammed =
    "Za tvými zády s třeskem zapadly vstupní dveře. Zevnitř nemají kliku, tudy už ven "
    "nevyjdeš.";
inline constexpr T kJewelCorridor1 =
    "Jsi v chodbě, jejíž stěny jsou posázené drahokamy. Třpytí se tak, že přecházejí oči.";
inline constexpr T kJewelCorridor2 =
    "Jsi na konci chodby s drahokamy. Zdi tu vlhnou a z východu je slyšet šplouchání vody a "
    "hladové chrochtání.";
inline constexpr T kBlindingLight =
    "Vešel jsi do teleportační místnosti číslo dvě. Oslepilo tě tak ostré světlo, že ses "
    "zapotácel a vyklopýtal zpátky na sever.";

// --- Objects --------------------------------------------------------------
inline constexpr T kKeyDescription =
    "Starý rezavý klíč s ozdobnou hlavou. Takovými klíči se kdysi zamykaly okovy.";
inline constexpr T kDeciphererDescription =
    "Dešifrátor je malá krabička s okénkem. Přeloží každé písmo, na které ho namíříš.";
inline constexpr T kDisketteDescription =
    "Obrovská disketa sedm a půl palce. Na štítku stojí: Projekt BRÁNA, zápisky.";
inline constexpr T kBoardDescription =
    "Černá destička se žlutým písmenem T. Přesně se hodí do štěrbiny teleportu.";
inline constexpr T kHammerDescription =
    "Těžké kladivo s dlouhou násadou. Rozbiješ s ním leccos, třeba i to, co bys nechtěl.";
inline constexpr T kRopeDescription =
    "Pevné horolezecké lano s ocelovým hákem na konci. S ním se nebojíš ani úzké římsy.";
inline constexpr T kMaskDescription =
    "Plynová maska. Trochu páchne gumou, ale před jedovatým plynem tě spolehlivě ochrání.";
inline constexpr T kLeafletDescription =
    "Na letáčku stojí: Bezpečnostní předpis číslo tři. Žáruvzdorný skafandr chrání v "
    "hořícím plynu nejvýš tři minuty. Kdo se zdrží déle, upeče se jako husa.";
inline constexpr T kIntactCubeDescription =
    "Krychle je z průhledné hmoty a uvnitř je vidět černá kartička se žlutým písmenem T.";
inline constexpr T kBrokenCubeDescription =
    "Z krychle zbyla jen hromádka ostrých střepů. Radši na ně nesahej.";
inline constexpr T kSpacesuitDescription =
    "Stříbrný žáruvzdorný skafandr. Je trochu těsný, ale v ohni chvíli vydrží.";

// --- Events ---------------------------------------------------------------
inline constexpr T kLightsOff =
    "Zatáhl jsi za páku. Regulátor zabzučel a začal regulovat, světla zablikala a zhasla. "
    "Všude je tma jako v pytli.";
inline constexpr T kLeverByTouch = "Potmě jsi nahmatal páku regulátoru a zatáhl za ni.";
inline constexpr T kLetThereBeLight = "Budiž světlo!";
inline constexpr T kThereWasLight = "A bylo světlo.";
inline constexpr T kRopeHelped =
    "Zahákl jsi lano za římsu a přešel po ní bez potíží, jako by to byl chodník.";
inline constexpr T kCubeSmashed =
    "Prásk! Kladivo roztříštilo krychli na tisíc střepů a z nich vypadla černá destička.";
inline constexpr T kScientistSoul =
    "V okovech na severní stěně se svíjí duše jednoho z vědců a tiše sténá.";
inline constexpr T kSoulFreed =
    "Odemkl jsi okovy klíčem. Duše vědce si úlevně vydechla, zašeptala díky a rozplynula se.";
inline constexpr T kKeyVanished = "Klíč se ti rozplynul v ruce jako pára.";
inline constexpr T kSoulPleads =
    "Duše tě prosí: Najdi něco, čím mě z těch okovů vysvobodíš! Je to tu strašná nuda.";
inline constexpr T kDisketteScreen[] = {
    "Disketa zajela do mechaniky, počítač se s chrčením rozběhl a na obrazovce se objevilo: "
    "Disketa Projekt BRÁNA. ",
    "Zápisky vědců, den čtyřicátý sedmý: Pokus se zdvojeným teleportem se vymkl kontrole. ",
    "Ústav se začal rozpadat a naše duše uvízly mezi časem a prostorem.",
    "Destičku s písmenem T jsme pro jistotu zalili do krychle. Druhý teleport snese jen tmu, "
    "za světla každého vyhodí. Kdo jím proletí, najde cestu k nám.",
};
inline constexpr T kBookIsManual = "Tato kniha je manuál ke hře.";
inline constexpr T kBookGeneral[] = {
    "Hru napsali dva nadšenci pro mluvící počítač Ulvora v zimě roku 1997.",
    "Nemusíš zachraňovat všechny vědce: stačí vysvobodit jednoho a sám se dostat živý dál.",
    "A teď se už přestaň vyptávat a hraj!",
};
inline constexpr T kBookCommands[] = {
    "Příkazy mají jedno nebo dvě slova, ",
    "z každého stačí napsat první tři písmena.",
    "Brát můžeš jen věci, které vypíše popis místnosti, ",
    "a najednou uneseš nejvýš tři.",
    "Na začátku hry u sebe nemáš nic.",
    "Prozkoumat se dají jen věci, které máš u sebe, a zajímavé části místností.",
};
inline constexpr T kBookAdviceFirst =
    "Čti pozorně popisy místností, skrývá se v nich víc, než se zdá.";
inline constexpr T kBookAdviceWishes = "Hodně štěstí a pevné nervy ti přejí tvůrci hry.";
inline constexpr T kInscriptionQuestion =
    "Chceš znát překlad slova, které je napsané nad jižním vchodem? Napiš ano nebo ne";
inline constexpr T kHonestAnswer =
    "Za tvou poctivost ti to prozradím: PERICULUM znamená nebezpečí.";
inline constexpr T kCheat = "Lháři! Heslo znát nemůžeš. S takovým podvodníkem se už nebavím. ";
inline constexpr T kNothingSavedFirst = "Snažíš se nahrát pozici, kterou jsi nikdy neuložil. ";
inline constexpr T kNothingSavedSecond = "Za takové podvody se začíná hezky od začátku.";
inline constexpr T kWinFirst =
    "Na lístku stojí: Děkujeme, zachránil jsi jednoho z nás a našel cestu za námi. ";
inline constexpr T kWinSecond = "Tím jsi úspěšně dokončil první část dobrodružství.";
inline constexpr T kSecondPartTitle = "ÚSTAV ZTRACENÝCH VĚDCŮ, díl druhý: Za hranou časoprostoru";
inline constexpr T kPasswordHint = "Heslo do další hry najdeš na ceduli v místnosti s regulátorem.";
inline constexpr T kShacklesClose = "Sáhl jsi na prázdné okovy a ty ti cvakly kolem zápěstí.";
inline constexpr T kFirePocketed =
    "Strčil sis do kapsy kousek ohně. Kapsa trochu doutná, ale jinak se nic nestalo.";
inline constexpr T kNothingToBreak =
    "V této místnosti není nic, na čem by sis mohl vybít svou zlost.";
inline constexpr T kCannotPress = "Tohle stisknout nejde, ať se snažíš sebevíc.";
inline constexpr T kEpitaph =
    "Zde leží Vojta Pátral. Chtěl zachránit vědce, ale zapomněl zachránit sebe.";

// --- Deaths ---------------------------------------------------------------
inline constexpr T kDeathLedgeFall =
    "Noha ti sklouzla z úzké římsy. Chvíli jsi mával rukama jako větrný mlýn a pak jsi "
    "zmizel v propasti.";
inline constexpr T kDeathLedgeTornOut =
    "Zatáhl jsi za římsu ze všech sil. Utrhla se i s kusem zdi a ty jsi s ní letěl rovnou do "
    "propasti.";
inline constexpr T kDeathPassageRolledUp =
    "Chytil jsi průchod za okraj a začal ho srolovat jako koberec. Průchod se srolovat "
    "nechal, i s tebou uvnitř.";
inline constexpr T kDeathShackles =
    "Z temného kouta vystoupil kat a spokojeně si mnul ruce. Na nového vězně čekal už hodně "
    "dlouho.";
inline constexpr T kHoleLook = "Sehnul ses k malému doupěti v rohu a nakoukl dovnitř.";
inline constexpr T kDeathHole =
    "Vyrazila z něj zmutovaná krysa velká jako pes a prokousla ti hrdlo dřív, než jsi stačil "
    "vykřiknout.";
inline constexpr T kDeathUnprotectedFire =
    "Bez ochrany jsi vzplanul jako pochodeň. Zbyla z tebe jen hromádka popela.";
inline constexpr T kDeathHeat =
    "Sundal jsi skafandr uprostřed ohně. To nebyl dobrý nápad: za vteřinu jsi byl upečený "
    "do křupava.";
inline constexpr T kDeathBurntSpacesuit =
    "Skafandr už to horko nevydržel a propálil se. Oheň si tě vzal celého.";
inline constexpr T kBurningDoorOpens =
    "Stiskl jsi knoflík. Dveře ve východní stěně se rozjely a dovnitř se vyvalila vlna "
    "hořícího plynu, která zapálila kaluže nafty.";
inline constexpr T kDeathVaporised = "V okamžiku ses vypařil. Nezbyl po tobě ani stín.";
inline constexpr T kDeathSpacesuitFailedFirst = "Skafandr tě chvíli chránil, ";
inline constexpr T kDeathSpacesuitFailedSecond =
    "jenže hořící nafta ho roztavila a ty ses v něm uvařil jako párek.";
inline constexpr T kDeathGasOnEntry =
    "Plyn ti vnikl do plic. Zakuckal ses, zezelenal a skácel se na kachličky.";
inline constexpr T kDeathGas =
    "Sundal jsi masku. Plyn na nic nečekal a za chvíli ses svalil na kachličky.";
inline constexpr T kDeathCeiling =
    "Zatáhl jsi za páku. Sloup se s žalostným skřípotem podlomil a celý strop se zřítil "
    "přímo na tebe.";
inline constexpr T kDeathElectricShock =
    "Sáhl jsi na přístroj a dostal jsi takovou ránu, že ti vstaly vlasy i na zádech. "
    "Bohužel naposledy.";
inline constexpr T kDeathDiesel =
    "Napil ses nafty. Chutnala příšerně a účinkovala ještě hůř. Za chvíli jsi byl na onom "
    "světě.";
inline constexpr T kDeathMonsterMouth =
    "Vlezl jsi z chodby rovnou do čehosi teplého a vlhkého. Byla to tlama příšery. Cvak, a "
    "bylo po tobě.";
inline constexpr T kDeathScream =
    "Při pohledu na tu obludu jsi hrůzou vykřikl. Příšera otevřela jedno oko, pak druhé a "
    "nakonec i tlamu.";
inline constexpr T kDeathSpiders =
    "Vešel jsi do skladu plného pavouků. Tisíce chlupatých nožiček se k tobě rozběhly ze "
    "všech stran a za chvíli z tebe zbyla jen kostra v pavučině.";
inline constexpr T kDeathElectrocution =
    "Vešel jsi do místnosti plné kabelů. Jeden z nich je přetržený a jiskří. Než jsi stačil "
    "couvnout, projelo tebou deset tisíc voltů.";
inline constexpr T kDeathCrocodilesFirst =
    "Stojíš na kluzkém útesu nad podzemním jezerem. Noha ti uklouzla ";
inline constexpr T kDeathCrocodilesSecond =
    "a ty jsi žbluňkl rovnou mezi krokodýly. Měli zrovna hlad.";
inline constexpr T kDeathSpider =
    "Vzal jsi pavouka do ruky. Kousl tě do prstu a jeho jed tě během chvilky zabil.";
inline constexpr T kDeathWireFirst = "Sáhl jsi po červeném drátu. ";
inline constexpr T kDeathWireSecond =
    "Byl pod proudem a ty ses rozsvítil jako vánoční stromeček, naposledy.";
inline constexpr T kDeathSplinters =
    "Znovu jsi udeřil kladivem do rozbité krychle. Střepy se rozletěly do všech stran a jeden "
    "z nich tě zasáhl přímo do srdce.";
inline constexpr T kDeathWall =
    "Ve tmě jsi narazil hlavou do zdi tak nešťastně, že sis zlomil vaz.";

// --- Examine replies --------------------------------------------------------
inline constexpr T kSeeSpider =
    "Pavouk je chlupatý, velký jako dlaň a upřeně tě pozoruje osmi očima. Vypadá hodně "
    "jedovatě.";
inline constexpr T kSignsDeciphered =
    "Dešifrátor zapípal a přeložil znaky: Tam, kam ukazuje šipka, bydlím já, příšera. Rád "
    "spím. Kdo mě vzbudí křikem, toho sežeru, kdo půjde kolem potichu, toho nechám být.";
inline constexpr T kSignsUnreadable =
    "Znaky vypadají jako řada nesmyslných písmen: GRAUBLIK HRM ZUPFT KRRRUNGL. Bez něčeho, "
    "co je rozluští, z nich nic nevyčteš.";
inline constexpr T kArrowPointsWest = "Šipka ukazuje na západ.";
inline constexpr T kShacklesUnapproachable =
    "K okovům se nedá přiblížit. Svíjí se v nich duše vědce a drží tě od sebe ledovým chladem.";
inline constexpr T kShacklesEmpty =
    "Okovy jsou prázdné a pootevřené. Vypadají, jako by na někoho čekaly.";
inline constexpr T kSeeRedWire =
    "Mezi všemi šedými dráty visí jeden červený, trochu stranou od ostatních. Něco v něm "
    "tiše bzučí.";
inline constexpr T kSeeCable = "Kabel je černý a tlustý.";
inline constexpr T kSeeButton =
    "Je to velký červený knoflík vedle dveří. Přímo svádí k tomu, aby ho někdo stiskl.";
inline constexpr T kSeeDoor = "Dveře jsou z tlustého plechu a nemají žádnou kliku. Jsou horké.";
inline constexpr T kDoorInscriptionFirst =
    "Na dveřích je nápis: Dveře do kotelny se otvírají knoflíkem. ";
inline constexpr T kDoorInscriptionSecond =
    "Pozor, za dveřmi hoří plyn z prasklého potrubí! Neotvírat, ani kdyby šlo o život.";
inline constexpr T kSeeDiesel =
    "Z nádrže vrtulníku vytekla nafta a udělala na zemi velké kaluže. Smrdí to tu jako na "
    "benzince.";
inline constexpr T kSeeYellowPipes =
    "Pod stropem vedou žluté trubky. Jsou teplé a tiše v nich syčí.";
inline constexpr T kSeeBentPipes = "Trubky u stropu jsou žárem zkroucené jako špagety.";
inline constexpr T kSeeSupportLever =
    "Páka trčí přímo ze sloupu. Dá se za ni zatáhnout, jen nevíš, co všechno drží.";
inline constexpr T kSeeColumn =
    "Sloup je popraskaný a drží celý strop. Moc se ti nelíbí, jak vratce vypadá.";
inline constexpr T kSeeRegulatorLever = "Páka je součástí regulátoru. Je u ní nápis: DEN, NOC.";
inline constexpr T kSeeRegulatorSign =
    "Na ceduli je veršík: Za páku zatáhni a den se v noc obrátí, potmě teleport poletí, za "
    "světla tě vrátí.";
inline constexpr T kSeeRegulator =
    "Regulátor je velká skříň plná ručiček a kontrolek. Podle štítku reguluje osvětlení celého "
    "ústavu.";
inline constexpr T kSeeAbyss =
    "Propast je hluboká a temná. Když do ní hodíš kamínek, dopadu se nedočkáš.";
inline constexpr T kSeeGenerator =
    "Agregát je starý a rezavý, ale pořád mručí a vyrábí proud pro celý ústav.";
inline constexpr T kSeeFilter = "Filtr je ucpaný sazemi. Kdo ví, kdy ho naposledy někdo měnil.";
inline constexpr T kSeeComputer =
    "Počítač je obrovská skříň s obrazovkou a mechanikou na velké diskety.";
inline constexpr T kSeeComputerJammed = "V mechanice vězí zaseknutá disketa.";
inline constexpr T kSeeInstrumentButtons =
    "Knoflíky na přístrojích jsou různobarevné a kolem nich praská elektřina.";
inline constexpr T kSeeInstruments =
    "Přístroje a budíky jsou tak složité, že jim nerozumíš ani za mák.";
inline constexpr T kSeeInstrumentLevers =
    "Páčky na přístrojích jsou malé a kovové. Občas mezi nimi přeskočí jiskra.";
inline constexpr T kSeeSealedWindow = "Okno je zazděné až po horní rám. Ven se tudy nedostaneš.";
inline constexpr T kSeeNewInstruments =
    "Přístroje jsou úplně nové, ještě s ochrannou fólií. Nikdo je nestihl použít.";
inline constexpr T kSeeGlassWall = "Stěna je ze silného skla. Je na ní přilepená malá cedulka.";
inline constexpr T kSignHasText = "Na cedulce je nějaký text.";
inline constexpr T kSeeSignText =
    "Na cedulce stojí: Projekt BRÁNA. Teleport funguje jen s destičkou, která se vkládá do "
    "štěrbiny v pultu.";
inline constexpr T kSeeHelicopter =
    "Vrtulník je rozbitý a pomačkaný, jako by na něj dupl obr. Létat s ním už nikdo nebude.";
inline constexpr T kSeeRoofWindow =
    "Střešní okno nad vrtulníkem je rozbité. Hlava by ti jím prošla, ale ty celý ne.";
inline constexpr T kSeeCrackedGlass = "Sklo je popraskané, tak bacha na to.";
inline constexpr T kGasBurns = "Plyn hoří, nebo tak něco.";
inline constexpr T kSeePaint = "Lak na stěnách se žárem škvaří a dělá velké puchýře.";
inline constexpr T kSeeCracks =
    "Trhliny ve zdech jsou tak široké, že by se do nich vešla ruka. Radši to nezkoušej.";
inline constexpr T kSeeDebris = "Úlomky zdiva se válejí všude kolem a některé trčí přímo ze zdi.";
inline constexpr T kScreenOff = "Obrazovka je vypnutá.";
inline constexpr T kSeeDesk = "Na pultu jsou nějaké papíry a počítač.";
inline constexpr T kSeePapers = "Na papírech jsou nějaká písmena.";
inline constexpr T kSeeLetters = "Z písmen jsou složeny nějaké věty.";
inline constexpr T kSeeSentences =
    "Věty jsou psané tak učeně, že z nich pochopíš jen to, že vědci pracovali na nějakém "
    "teleportu a že data mají na disketě.";
inline constexpr T kSeeHook = "Na konci lana je ocelový hák. Zachytí se i na té nejužší římse.";
inline constexpr T kSeeStairs =
    "Schodiště je rozbité a končí uprostřed vzduchu. Nahoru už nikdo nevyjde.";
inline constexpr T kSeeGroundPiece =
    "Kousek země za římsou je malý a drolí se. Dlouho už tu nebude.";
inline constexpr T kSeeLedge =
    "Římsa je úzká sotva na šířku chodidla a vede nad propastí na západ. Bez jištění je to "
    "o život.";
inline constexpr T kGroundIsGround = "Zem jako zem. Co na tom sejde.";
inline constexpr T kAllInDescription = "Všechno zajímavé tady už víš z popisu místnosti.";
inline constexpr T kSeePassage = "Průchod je úzký a celý ověšený dráty.";
inline constexpr T kSeeTortureChamber =
    "Mučírna je plná řetězů, skřipců a dalších nechutných věcí. Radši se moc nedívej.";
inline constexpr T kSeeFire = "Oheň šlehá ze všech stran. Nezdržuj se tu.";
inline constexpr T kSeeTiles = "Kachličky jsou popraskané a zelené od plísně.";
inline constexpr T kSeeCrack =
    "Prasklina v trubce u stropu je dost velká na to, aby jí unikl všechen plyn.";
inline constexpr T kSeeBricks = "Cihly jsou staré, vlhké a drží jen silou zvyku.";
inline constexpr T kSeeWall = "Zeď je oprýskaná a popraskaná, místy z ní kouká holá cihla a malta.";
inline constexpr T kSeeMortar = "Malta se drolí a sype se ti za límec.";
inline constexpr T kSeeCeiling =
    "Strop je popraskaný a visí z něj pavučiny. Doufejme, že ještě chvíli vydrží.";
inline constexpr T kSeeMonster =
    "Příšera je obrovská, slizká a má tlamu plnou zubů. Naštěstí spí. Zatím.";
inline constexpr T kSeeLightCircle =
    "Kruh na podlaze tajemně světélkuje. Nikdo neví proč, ale je hezký.";
inline constexpr T kSeeHall = "Hala je velká a pustá. Vstupní dveře za tebou jsou zavřené nadobro.";
inline constexpr T kCircleTooFar = "Kruh je odsud moc daleko, nedá se pořádně rozeznat.";
inline constexpr T kSeeLaboratory =
    "Laboratoř vypadá, jako by ji vědci opouštěli v náramném spěchu.";
inline constexpr T kSeeEmptyPipe =
    "Trubka je prasklá, ale plyn už z ní nesyčí. Všechen je totiž tady v místnosti.";
inline constexpr T kSeeGas =
    "Plyn je nazelenalý a páchne po zkažených vejcích. Bez masky bys tu dlouho nevydržel.";

// --- Take refusals ----------------------------------------------------------
inline constexpr T kNoSpade = "Bez rýče zem nesebereš.";
inline constexpr T kRoomTooBig = "Místnost se ti do kapsy nevejde.";
inline constexpr T kBricksStuck = "Cihly jsou pevně zazděné, žádnou nevytáhneš.";
inline constexpr T kMortarAlone = "Malta bez cihel? K čemu by ti asi byla?";
inline constexpr T kWallsTooBig = "Zdi jsou moc velké, ty neuneseš.";
inline constexpr T kCeilingOutOfReach = "Strop je moc vysoko, nedosáhneš na něj.";
inline constexpr T kHallNotTaken = "Halu sebrat nemůžeš, vždyť v ní stojíš.";
inline constexpr T kCorridorNotTaken = "Chodbu si s sebou vzít nemůžeš.";
inline constexpr T kLaboratoryNotTaken = "Laboratoř se sebrat nedá, i kdyby ses rozkrájel.";
inline constexpr T kStoreTooBig = "Sklad je na kapsu trochu moc velký.";
inline constexpr T kGasNotNeeded = "Tenhle plyn opravdu nepotřebuješ.";
inline constexpr T kSignsAreRelic = "Znaky i šipka jsou vzácná památka, nech je na stěně.";
inline constexpr T kShacklesOccupied = "Někdo je v okovech. Nemůžeš je vzít.";
inline constexpr T kCableAnchored = "Kabel je ukotvený v místnosti na jihu. Nevytrhneš ho.";
inline constexpr T kDieselNoVessel = "Naftu nemáš do čeho nabrat.";
inline constexpr T kDebrisStuck = "Úlomky jsou zaklíněné ve zdi a nepovolí.";
inline constexpr T kCracksNotTaken = "Trhliny sebrat nejde, jsou to jen díry ve zdi.";
inline constexpr T kScreenScrewed = "Obrazovka je k počítači přišroubovaná.";
inline constexpr T kStairsTooBig = "Schodiště se ti do batohu nevejde.";
inline constexpr T kTakeWholeRoom = "Kousek země? To si rovnou vezmi celou místnost.";
inline constexpr T kComputerFixed = "Počítač je přišroubovaný ke stolu.";
inline constexpr T kAbyssGoCloser = "Propast chceš sebrat? Tak jdi blíž, na sever.";
inline constexpr T kExecutionerNear = "Mučírnu? Radši se tu moc nezdržuj, kat může být nablízku.";
inline constexpr T kNothingOffTheWalls = "Ze stěn nic nejde servat.";
inline constexpr T kDeskFixed = "Pult je přišroubovaný k podlaze.";
inline constexpr T kLeaveFilter = "Filtr nech, kde je, jinak se agregát udusí.";
inline constexpr T kCircleJumpsBack =
    "Sáhl jsi po kruhu, ale vyklouzl ti a skočil zpátky na podlahu.";

}  // namespace ulvora::program::text
