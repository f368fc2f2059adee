// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassPage.h"

#include "HistoryExport.h"
#include "LearningRecord.h"
#include "PlayerProgress.h"
#include "ProgressDatabase.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

std::function<QString(QWidget*, const QString&)> ClassPage::ChooseExportFile =
    [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, ClassPage::tr("Export history"), suggested,
                                            ClassPage::tr("CSV files (*.csv)"));
    };

namespace {
QString trendText(const PlayerOverview& p) {
    const auto trend = p.trend();
    if (!trend)
        return p.recentShare ? ClassPage::tr("%1 at the first try")
                                   .arg(QLocale().toString(*p.recentShare * 100, 'f', 0) + "%")
                             : QString();
    const QString points = QLocale().toString(*trend * 100, 'f', 0);
    if (*trend > 0.005)
        return ClassPage::tr("better (+%1 points)").arg(points);
    if (*trend < -0.005)
        return ClassPage::tr("worse (%1 points)").arg(points);
    return ClassPage::tr("steady");
}
} // namespace

ClassPage::ClassPage(LearningRecord& rec, QWidget* parent) : QWidget(parent), record(rec) {
    PlayerTable = new QTreeWidget(this);
    PlayerTable->setAccessibleName(tr("Players"));
    PlayerTable->setRootIsDecorated(false);
    PlayerTable->setHeaderLabels(
        {tr("Player"), tr("Sessions"), tr("Towns learnt"), tr("Last played"), tr("Recent trend")});
    PlayerTable->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ExportPlayerButton = new QPushButton(tr("Export player..."), this);
    ExportPlayerButton->setAccessibleName(tr("Export the history of the player chosen"));
    ExportAllButton = new QPushButton(tr("Export all..."), this);
    ExportAllButton->setAccessibleName(tr("Export the history of every player"));
    ExportResult = new QLabel(this);
    ExportResult->setWordWrap(true);
    ExportResult->setAccessibleName(tr("Export result"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ExportPlayerButton);
    buttons->addWidget(ExportAllButton);
    buttons->addWidget(ExportResult, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlayerTable, 1);
    layout->addLayout(buttons);

    connect(ExportPlayerButton, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem* chosen = PlayerTable->currentItem();
        exportHistoryOf(chosen ? chosen->text(0) : record.player());
    });
    connect(ExportAllButton, &QPushButton::clicked, this,
            [this] { exportHistoryOf(std::nullopt); });
}

void ClassPage::refresh() {
    PlayerTable->clear();
    ProgressDatabase* db = record.database();
    if (!db)
        return;
    const QLocale locale;
    for (const PlayerOverview& p : teacherTable(*db)) {
        auto* item = new QTreeWidgetItem(
            PlayerTable,
            {p.player, locale.toString(p.sessions), locale.toString(p.townsLearnt),
             locale.toString(p.lastPlayed.toLocalTime(), QLocale::ShortFormat), trendText(p)});
        for (int column : {1, 2})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void ClassPage::exportHistoryOf(const std::optional<QString>& player) {
    ProgressDatabase* db = record.database();
    if (!db) {
        ExportResult->setText(tr("The record of sessions is off: there is nothing to export."));
        return;
    }
    const QString name = player ? *player : tr("all players");
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("terrava history of %1.csv").arg(name));
    const QString path = ChooseExportFile(this, suggested);
    if (path.isEmpty())
        return;
    const QString error = exportHistory(*db, player, path);
    ExportResult->setText(
        error.isEmpty()
            ? tr("The history of %1 is in %2.").arg(name, QDir::toNativeSeparators(path))
            : error);
}
