#include "platform/qthost.h"

#include <QAbstractEventDispatcher>
#include <QDate>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <thread>

#include "input/inputdialog.h"
#include "l10n/cp1250.h"

namespace ulvora {
namespace {

// Message boxes carry the program's name, as the main window's title does.
QString messagecaption() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void showbox(QMessageBox::Icon icon, const QString& text) {
    const QPointer<QWidget> owner = QApplication::activeModalWidget() != nullptr
                                        ? QApplication::activeModalWidget()
                                        : QApplication::activeWindow();
    QMessageBox box(icon, messagecaption(), text, QMessageBox::Ok, owner);
    box.exec();
    // Keys go to the window again; some platforms leave none active once a
    // modal box has closed.
    if (owner != nullptr) owner->activateWindow();
}

}  // namespace

QString qtext(const std::string& cp1250) {
    return QString::fromStdString(toUtf8(cp1250));
}

std::string machinetext(const QString& text) {
    return fromUtf8(text.toStdString());
}

QtHost::QtHost() {
    // The platform's coarse timers may fire a millisecond early; a note must
    // never be cut short.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // Copied first: the callback may start the timer again.
        auto callback = ontimeout_;
        if (callback) callback();
        wake();
    });
}

void QtHost::wake() {
    if (auto* dispatcher =
            QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())) {
        dispatcher->wakeUp();
    }
}

void QtHost::waitUntil(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtHost::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool QtHost::askLine(std::string& line) {
    if (inputdialog == nullptr) throw std::logic_error("the input dialog has not been created");
    return inputdialog->ask(line);
}

void QtHost::showMessage(const std::string& text) {
    showbox(QMessageBox::NoIcon, qtext(text));
}

void QtHost::showerror(const QString& text) {
    showbox(QMessageBox::Critical, text);
}

void QtHost::startTimer(int ms, std::function<void()> onTimeout) {
    ontimeout_ = std::move(onTimeout);
    timer_.start(ms);
}

void QtHost::stopTimer() {
    timer_.stop();
}

void QtHost::sleepBlocking(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Date QtHost::today() {
    const QDate date = QDate::currentDate();
    return Date{date.day(), date.month(), date.year()};
}

void QtHost::screenChanged() {
    if (onscreenchanged) onscreenchanged();
}

void QtHost::endProcess(int exitCode) {
    // Ending from inside a handler of a nested wait: nothing may unwind into
    // the run or into Qt's loops, so the process ends here.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

QtApplication::QtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QtApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showbox(QMessageBox::Critical, QString::fromUtf8(error.what()));
    }
    return false;
}

}  // namespace ulvora
