#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "forms/App.h"
#include "forms/MessageBox.h"
#include "forms/Page.h"
#include "forms/PageSlot.h"
#include "gauge/JobState.h"

// Whether a run finds the settings the run before it kept, or none, as on a first run.
enum class KeptSettings { None, FromLastRun };

// One run of the program as a test sees it: a zeroed job, settings of its own (never the user's),
// message boxes answered from a script, the end of the program recorded, and every page gone
// afterwards.
class PageTestRun {
public:
    explicit PageTestRun(KeptSettings kept = KeptSettings::None) {
        jobState() = JobState{};
        static std::unique_ptr<QTemporaryDir> settingsFolder;
        if (!settingsFolder || kept == KeptSettings::None)
            settingsFolder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder->path()));
    }
    ~PageTestRun() {
        forms::discardAllPages();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Empty when every box came as scripted and none is still awaited.
    QString scriptBroken() const {
        QStringList problems = boxes.failures();
        if (boxes.pending() > 0) {
            problems << QStringLiteral("%1 expected box(es) never shown").arg(boxes.pending());
        }
        return problems.join(QStringLiteral("; "));
    }

    forms::ScriptedMessageBoxes boxes;
    forms::RecordedEnd end;
};

// Ends a test's run, every page gone, and tells what went against the message-box script:
// empty when nothing did.
inline QString endRun(std::unique_ptr<PageTestRun>& run) {
    const QString broken = run->scriptBroken();
    run.reset();
    return broken;
}

// Shows a page the way the program does and waits until it takes the keyboard.
inline bool showAndActivate(forms::Page& page) {
    page.showPage();
    return QTest::qWaitForWindowActive(&page);
}

template <class Control>
Control* control(const QWidget* page, const QString& name) {
    return page->findChild<Control*>(name);
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Puts the focus into an entry box with the mouse and types the text after what it holds.
inline void clickAndType(QWidget* box, const QString& text) {
    click(box);
    QTest::keyClicks(box, text);
}

// A dialog a page opens, or the page once the dialog is gone, takes the keys: the offscreen
// platform leaves the activation where it was, where a window manager hands it on.
inline bool takesTheKeys(QWidget& dialog) {
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

inline void typeHere(const QString& text) {
    QTest::keyClicks(focused(), text);
}

inline void pressTab() {
    QTest::keyClick(focused(), Qt::Key_Tab);
}

// An access key, typed wherever the focus is.
inline void pressAlt(Qt::Key key) {
    QTest::keyClick(focused(), key, Qt::AltModifier);
}
