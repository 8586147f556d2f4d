#include "input/inputdialog.h"

#include <QKeyEvent>
#include <exception>

#include "l10n/cp1250.h"
#include "platform/qthost.h"

namespace ulvora {

TForm2::TForm2(Machine& machine, QWidget* parent) : QDialog(parent), machine_(machine) {
    inputedit.setObjectName("inputedit");
    Enterbitbtn.setObjectName("Enterbitbtn");
    exitprogrambtn.setObjectName("exitprogrambtn");

    Enterbitbtn.setDefault(true);
    // Only the OK button answers Enter, wherever the focus is.
    exitprogrambtn.setAutoDefault(false);

    buttons_.addWidget(&Enterbitbtn);
    buttons_.addWidget(&exitprogrambtn);
    layout_.addWidget(&inputedit);
    layout_.addLayout(&buttons_);
    setLayout(&layout_);
    setTabOrder(&inputedit, &Enterbitbtn);
    setTabOrder(&Enterbitbtn, &exitprogrambtn);
    setModal(true);

    connect(&Enterbitbtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(&exitprogrambtn, &QPushButton::clicked, this, &TForm2::exitprogrambtnClick);
    FormCreate();
}

void TForm2::FormCreate() {
    setWindowTitle(qtext(machine_.getstring(23)));
    Enterbitbtn.setText(qtext(machine_.getstring(7)));
    exitprogrambtn.setText(qtext(machine_.getstring(45)));
}

bool TForm2::ask(std::string& line) {
    inputedit.clear();
    inputedit.setFocus();
    const bool confirmed = exec() == QDialog::Accepted;
    if (confirmed) line = machinetext(inputedit.text());
    // Keys typed after the dialog belong to the main window again; some
    // platforms leave no window active once a modal dialog has closed.
    if (QWidget* owner = parentWidget()) owner->activateWindow();
    return confirmed;
}

void TForm2::exitprogrambtnClick() {
    // The run in progress is abandoned where it waits; nothing returns into it.
    try {
        machine_.saveram();
    } catch (const std::exception& error) {
        // Ending anyway: a folder that cannot be written must not trap the
        // user in the program.
        machine_.host.showMessage(fromUtf8(error.what()));
    }
    machine_.host.endProcess(0);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace ulvora
