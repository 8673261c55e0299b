#include "dialog_driver.h"

#include "global_state.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <memory>

void setInterfaceLanguage(LayoutLanguage language)
{
    const struct {
        qint32& flag;
        LayoutLanguage language;
    } flags[] = {
        {g_state.langEnglish, LayoutLanguage::English}, {g_state.langGerman, LayoutLanguage::German},
        {g_state.langFrench, LayoutLanguage::French},   {g_state.langItalian, LayoutLanguage::Italian},
        {g_state.langSpanish, LayoutLanguage::Spanish}, {g_state.langChinese, LayoutLanguage::Chinese},
        {g_state.langJapanese, LayoutLanguage::Japanese}, {g_state.langKorean, LayoutLanguage::Korean},
        {g_state.langDutch, LayoutLanguage::Dutch},     {g_state.langBrazil, LayoutLanguage::Brazil},
        {g_state.langHindi, LayoutLanguage::Hindi},
    };
    for (const auto& entry : flags)
        entry.flag = entry.language == language ? 1 : 0;
}

void whenModal(int delayMs, std::function<void(QWidget*)> action)
{
    // The modal run may start a little later than the timer (a dialog that
    // is slow to build); look again for a while before giving up.
    auto* poll = new QTimer;
    poll->setInterval(qMax(50, delayMs));
    auto attempts = std::make_shared<int>(100);
    QObject::connect(poll, &QTimer::timeout, [poll, attempts, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if ((!modal || !modal->isVisible()) && --*attempts > 0)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

bool installGerman(QTranslator& translator)
{
    if (!translator.load(QStringLiteral(PICTAVO_BUILD_DIR "/PhotoTranslation/DE/LANG_DE.qm")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QRect childGeometry(const QWidget* dialog, const char* objectName)
{
    const auto* child = dialog->findChild<QWidget*>(QLatin1String(objectName));
    return child ? child->geometry() : QRect();
}
