#pragma once

#include "dialog_look.h"
#include "ui_aboutdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>

class QGridLayout;

// True between a left press in an about box's title strip and the next
// release; the about box's own flag, apart from the other dialogs' one.
extern bool g_aboutDragging;

// The about box: product picture, product and system information, the
// support link and the licence agreement of the interface language.
class AboutDlg : public QDialog, public Ui::AboutDialog {
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent);
    ~AboutDlg() override;

    void SetLanguageGeometry();
    void ShowSystemInfo();
    void SetSupportLink();
    bool IsInTitleBar(const QPoint& pos) const;

private slots:
    void OpenLicense();
    void OpenSupport();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildTitleBar();
    void SetDpiImages();

    QPoint m_dragOffset;
    QGridLayout* m_titleLayout = nullptr;
    QGridLayout* m_contentLayout = nullptr;
    QGridLayout* m_mainLayout = nullptr;
    QLabel* m_titleLabel = nullptr;
    QString m_computerName;
    DialogLayout m_geometry;
};
