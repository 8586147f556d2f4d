// The input dialog: every INPUT of the running program asks its line here,
// modally, inside the program's run.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "runtime/machine.h"

namespace ulvora {

class TForm2 : public QDialog {
    Q_OBJECT

  public:
    TForm2(Machine& machine, QWidget* parent = nullptr);

    // Components, in tab order. There is no cancel button: Escape does not
    // close the dialog, only OK, the exit button and the close box do.
    QLineEdit inputedit;
    QPushButton Enterbitbtn;     // default button, result OK
    QPushButton exitprogrambtn;  // ends the whole program

    // Empties the line, shows the dialog modally and waits. True with the
    // typed line (Windows-1250) when OK closed it; false when the close box did.
    bool ask(std::string& line);

    void exitprogrambtnClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();

    Machine& machine_;
    QVBoxLayout layout_;
    QHBoxLayout buttons_;
};

}  // namespace ulvora
