// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class LearningRecord;
class QLabel;
class QPushButton;
class QTreeWidget;

// The teacher's table: every player with the sessions, the towns learnt and the recent trend;
// and the history as CSV, of one player or of all.
class ClassPage : public QWidget {
    Q_OBJECT
public:
    explicit ClassPage(LearningRecord& record, QWidget* parent = nullptr);

    void refresh();
    // Asks where to write and writes; player none: every player's history.
    void exportHistoryOf(const std::optional<QString>& player);

    // Where the export goes: a file dialog, or the tests' answer. Empty: cancelled.
    static std::function<QString(QWidget* parent, const QString& suggested)> ChooseExportFile;

    QTreeWidget* PlayerTable;
    QPushButton* ExportPlayerButton;
    QPushButton* ExportAllButton;
    QLabel* ExportResult;

private:
    LearningRecord& record;
};
