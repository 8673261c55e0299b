#pragma once

#include "dialog_look.h"
#include "ui_folderexist.h"

#include <QDialog>
#include <QPoint>

// Asks what to do when the save's output folder exists already: write into
// it, save into a free "Copy(N)_" folder, or cancel. A button writes its
// answer into g_state and closes.
class FolderExist : public QDialog, public Ui::Dialog {
    Q_OBJECT
public:
    FolderExist();
    ~FolderExist() override;

    void ProposeFolderName();
    void SetLanguageGeometry();

public slots:
    void RenameProc();
    void OverWriteProc();
    void CancelProc();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyHeader();

    QPoint m_dragOffset;
    bool m_dragging = false;
    int m_baseWidth = 500;
    int m_baseHeight = 212;
    DialogLayout m_rects;
};
