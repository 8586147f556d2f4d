// The desktop program's host: the machine's waits run Qt's event loop on the
// one user-interface thread, so the windows, their menus and key handlers
// stay live while the built-in program waits inside the Start handler.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "runtime/host.h"

namespace ulvora {

class TForm2;

// Windows-1250 bytes of the machine to Qt's text, and back.
QString qtext(const std::string& cp1250);
std::string machinetext(const QString& text);

class QtHost final : public Host {
  public:
    QtHost();
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Wired by the program entry once the windows exist.
    TForm2* inputdialog = nullptr;          // asks INPUT's lines (not owned)
    std::function<void()> onscreenchanged;  // shows the text screen again

    // Blocks in the event loop between events: waiting costs next to no
    // processor time. Whatever changes a value that done() tests must call
    // wake() afterwards (see there).
    void waitUntil(const std::function<bool()>& done) override;
    void processPendingEvents() override;
    bool askLine(std::string& line) override;
    void showMessage(const std::string& text) override;
    void startTimer(int ms, std::function<void()> onTimeout) override;
    void stopTimer() override;
    void sleepBlocking(int ms) override;
    Date today() override;
    void screenChanged() override;
    [[noreturn]] void endProcess(int exitCode) override;

    // The standard error message box: an operation failed, the program goes on.
    void showerror(const QString& text);

    // Makes a wait blocked in the event loop test its condition again. An
    // event handled at the very start of processEvents can change the flag
    // and still leave the loop blocking for the next event; waking the
    // dispatcher after every change closes that gap.
    static void wake();

  private:
    QTimer timer_;
    std::function<void()> ontimeout_;
};

// The application object: an error escaping an event handler is shown in the
// standard error message box, the handler in progress ends and the program
// goes on, instead of the error unwinding through Qt.
class QtApplication final : public QApplication {
  public:
    QtApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ulvora
