// SPDX-License-Identifier: MIT
#pragma once

#include "qt/application.h"
#include "qt/form_window.h"
#include "game/frmzindle.h"

#include <QImage>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace zindle::testing {

// The real window with the game loaded, shown on Qt's offscreen screen.
// Keys go in through the window system interface, as the platform delivers
// them, and reach whichever widget holds the keyboard.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        QObject::connect(&window, &qt::FormWindow::firstFramePainted, &qt::afterFirstFrame);
        window.load(game);
        window.showCentred();
        window.activateWindow();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    void key(const QString& text, Qt::Key code = Qt::Key_unknown, bool autoRepeat = false)
    {
        QWindow* handle = window.windowHandle();
        qt_handleKeyEvent(handle, QEvent::KeyPress, code, Qt::NoModifier, text, autoRepeat);
        qt_handleKeyEvent(handle, QEvent::KeyRelease, code, Qt::NoModifier, text, autoRepeat);
    }

    // Keys that type no character (arrows and the like), Enter and Space.
    void press(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key k : keys)
            key(k == Qt::Key_Return ? QStringLiteral("\r") : k == Qt::Key_Space ? QStringLiteral(" ") : QString(), k);
    }

    void type(const QString& text)
    {
        for (QChar c : text)
            key(QString(c), static_cast<Qt::Key>(c.toUpper().unicode()));
    }

    QString score() const { return window.label(QStringLiteral("Lblpisteet"))->text(); }

    // Returns once everything already queued, repaints included, has been
    // handled: an event posted behind them, at the repaints' low priority,
    // has come.
    void settle()
    {
        struct Marker final : QObject {
            bool came = false;
            bool event(QEvent* e) override { return e->type() == QEvent::User ? (came = true) : QObject::event(e); }
        } marker;
        QCoreApplication::postEvent(&marker, new QEvent(QEvent::User), Qt::LowEventPriority);
        EXPECT_TRUE(QTest::qWaitFor([&] { return marker.came; }, 10000)) << "the event loop stalled";
    }

    QImage grab() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A click on a label or tile of the window's surface, at its middle.
    void click(const qt::DrawnLabel* label, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&window, button, {}, label->rect().center());
    }

    qt::FormWindow window{game::frmzindleLayout()};
    game::Frmzindle game{window.controls()};
};

}  // namespace zindle::testing
