// ulvora: the desktop program. The windows are created in their fixed order,
// the main window first (its creation runs the start-up sequence), the
// dialogs hidden; then the event loop runs until the main window closes.
#include <QCoreApplication>
#include <utility>

#include "app/mainwindow.h"
#include "input/inputdialog.h"
#include "platform/qthost.h"
#include "platform/terminationsignals.h"

int main(int argc, char** argv) {
    using namespace ulvora;
    QtApplication application(argc, argv);
    QtHost host;
    // Installed first: start-up may already wait in a message box. Until the
    // main window exists there is nothing to save.
    TForm1* mainwindow = nullptr;
    TerminationSignals terminationsignals([&mainwindow, &host] {
        if (mainwindow != nullptr) mainwindow->endsaving();
        host.endProcess(0);
    });
    TForm1Options options;
    options.executable = QCoreApplication::applicationFilePath().toStdString();
    TForm1 Form1(host, std::move(options));
    mainwindow = &Form1;
    TForm2 Form2(Form1.machine, &Form1);
    // The environment, voice, sounds, virtual screen and About dialogs are
    // created here, in this order, as their work lands.
    host.inputdialog = &Form2;
    Form1.show();
    return QApplication::exec();
}
