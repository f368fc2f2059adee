// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

// Tabbed pages whose change event is raised when the player chooses a tab (mouse, Ctrl+Tab,
// Ctrl+Shift+Tab, Ctrl+PgDn, Ctrl+PgUp) or the next-page operation runs, but not when code
// makes a page active.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    QWidget* ActivePage() const { return currentWidget(); }
    // Makes a page active without raising the change event.
    void setActivePage(QWidget* page);
    // The next page in tab order, wrapping around, raising the change event like the player.
    void SelectNextPage(bool forward = true);
    // Fixed tab size, in pixels, frame included.
    void setTabSize(int width, int height);

    // Where the pages go inside the control at its present size, as the style places them;
    // known also while the control has never been shown.
    QRect pageArea() const;

signals:
    void OnChange(QObject* Sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tabFocusChanged(int index);
    bool settingByCode = false;
    int focusedTab = -1;
};
