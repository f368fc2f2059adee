#pragma once

#include <QTabWidget>

// Tabbed pages whose change event is raised when the player chooses a tab (mouse, Ctrl+Tab,
// Ctrl+Shift+Tab) or the next-page operation runs, but not when code makes a page active.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    QWidget* ActivePage() const { return currentWidget(); }
    // Makes a page active without raising the change event.
    void setActivePage(QWidget* page);
    // The next page in tab order, wrapping around, raising the change event like the player.
    void SelectNextPage(bool forward = true);
    // Fixed tab size, in pixels.
    void setTabSize(int width, int height);

signals:
    void OnChange(QObject* Sender);

private:
    bool settingByCode = false;
};
