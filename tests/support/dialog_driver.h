#pragma once

#include "dialog_look.h"

#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QTranslator;
class QWidget;

// Makes `language` the one current interface language of GlobalState.
void setInterfaceLanguage(LayoutLanguage language);

// Answers modal windows from a timer while the test is blocked in the call
// that runs them. It acts only on a window whose own event loop is already
// running (an event loop deeper than the one it was armed in): a window
// answered while it is still being shown would be hidden before its loop
// starts, and that loop would then wait forever. When the one window it
// awaits did not come within the bound, the test fails with a message naming
// it, and any other window in the way is dismissed, so the test never hangs;
// the awaited window is still answered when it comes late. The driver stops
// when the test function that armed it ends.
class ModalDriver : public QObject {
public:
    // Returns true once it has answered `modal`, false when `modal` is not
    // the window it waits for.
    using Step = std::function<bool(QWidget* modal)>;
    enum class Repeat { Once, EveryWindow };

    ModalDriver(QString awaited, Step step, Repeat repeat = Repeat::Once);
    // A driver that deletes itself once it has answered or its test
    // function is over.
    static void armDetached(QString awaited, Step step);
    bool answered() const { return m_answers > 0; }
    int answers() const { return m_answers; }

    // Time within which a window is expected; any longer means the test is
    // broken, not slow.
    static constexpr int kBoundMs = 120000;

private:
    QWidget* runningModal() const;
    void poll();
    void finish();
    bool sameTestFunction() const;

    QString m_awaited;
    Step m_step;
    Repeat m_repeat;
    int m_answers = 0;
    bool m_overdueReported = false;
    bool m_detached = false;
    uint m_armedLoopLevel;
    QByteArray m_testFunction;
    QByteArray m_dataTag;
    QDeadlineTimer m_deadline;
    QTimer m_poll;
};

// Runs `action` once on the next modal widget of any kind.
void whenModal(std::function<void(QWidget*)> action);

// Runs `action` once on the next modal widget of type T.
template <typename T>
void whenModalOf(std::function<void(T*)> action)
{
    ModalDriver::armDetached(QString::fromLatin1(T::staticMetaObject.className()), [action](QWidget* modal) {
        T* dialog = qobject_cast<T*>(modal);
        if (!dialog)
            return false;
        action(dialog);
        return true;
    });
}

// Loads the German catalogue compiled by the build and installs it; the
// toolkit then sends every window a language-change event.
bool installGerman(QTranslator& translator);

// Where a window of `size` stands when it is centred on `rect`.
QRect centredOn(const QRect& rect, const QSize& size);

// The rectangle a widget of `dialog` found by object name occupies.
QRect childGeometry(const QWidget* dialog, const char* objectName);
