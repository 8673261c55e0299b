#pragma once

#include "dialog_look.h"

#include <QDialog>
#include <QPoint>

class Ui_AlreadyExistFileDlg;

// Asks what to do with an output whose target file exists already. Each
// showing clears the six answers and proposes a name for the file that
// clashes now; a button writes its answer into g_state and closes.
class AlreadyExistFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit AlreadyExistFileDlg(QWidget* parent);
    ~AlreadyExistFileDlg() override;

    void ProposeNewName();
    void SetLanguageGeometry();

public slots:
    void OnOverwriteAllButton();
    void OnRenameAllButton();
    void OnRenameButton();
    void OnSkipAllButton();
    void OnSkipButton();
    void OnWriteButton();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyHeader();

    Ui_AlreadyExistFileDlg* m_ui;
    QPoint m_dragOffset;
    bool m_dragging = false;
    int m_baseWidth = 476;
    int m_baseHeight = 259;
    DialogLayout m_rects;
};
