// The desktop tests' entry: the real application object on Qt's offscreen
// platform (no display needed) and the silent sound driver.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/qthost.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    ulvora::QtApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
