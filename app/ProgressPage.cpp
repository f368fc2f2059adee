// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressPage.h"

#include "Catalogue.h"
#include "HImages.h"
#include "LearningRecord.h"
#include "PlayerProgress.h"
#include "ProgressDatabase.h"
#include "TownKnowledge.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QTreeWidget>
#include <QValueAxis>

namespace {
QColor colourOf(Knowledge k) {
    switch (k) {
    case Knowledge::NotAsked:
        return QColor(120, 120, 120);
    case Knowledge::Missed:
        return QColor(210, 0, 0);
    case Knowledge::Learning:
        return QColor(230, 150, 0);
    case Knowledge::Learnt:
        return QColor(0, 150, 0);
    }
    return {};
}

QString dateText(const QDateTime& utc) {
    return utc.isNull() ? ProgressPage::tr("never")
                        : QLocale().toString(utc.toLocalTime(), QLocale::ShortFormat);
}
} // namespace

ProgressPage::ProgressPage(LearningRecord& rec, const TownSpellings& spellings,
                           const QString& picturesDir, QWidget* parent)
    : QWidget(parent), record(rec), spellings(spellings) {
    Chart = new QChartView(this);
    Chart->setAccessibleName(tr("Sessions over time"));
    Chart->setRenderHint(QPainter::Antialiasing);
    Chart->setMinimumHeight(160);
    RegionChooser = new QComboBox(this);
    RegionChooser->setAccessibleName(tr("Region"));
    for (const QString& picture : RegionPictures)
        RegionChooser->addItem(picture.section(QLatin1Char('.'), 0, 0));
    KnowledgeMap = new THyperImages(this);
    KnowledgeMap->setAccessibleName(tr("How well you know the towns of the region"));
    KnowledgeMap->setHotspotsDef(record.definitions());
    KnowledgeMap->setPicturesDir(picturesDir);
    KnowledgeMap->setAutoScaleImage(true);
    KnowledgeMap->Loaded();
    KnowledgeMap->setMinimumSize(200, 150);
    const auto swatch = [](Knowledge k, const QString& text) {
        return QStringLiteral("<span style=\"color:%1\">&#9679;</span>&nbsp;%2")
            .arg(colourOf(k).name(), text.toHtmlEscaped());
    };
    auto* legend = new QLabel(swatch(Knowledge::NotAsked, tr("not asked yet")) + "&nbsp; " +
                                  swatch(Knowledge::Missed, tr("often missed")) + "&nbsp; " +
                                  swatch(Knowledge::Learning, tr("learning")) + "&nbsp; " +
                                  swatch(Knowledge::Learnt, tr("learnt")),
                              this);
    legend->setWordWrap(true);
    MissedList = new QTreeWidget(this);
    MissedList->setAccessibleName(tr("Towns missed most"));
    MissedList->setRootIsDecorated(false);
    MissedList->setHeaderLabels(
        {tr("Town"), tr("Missed"), tr("Asked"), tr("Last asked"), tr("Last found")});
    MissedList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* regionLabel = new QLabel(tr("Region:"), this);
    regionLabel->setBuddy(RegionChooser);
    auto* missedLabel = new QLabel(tr("Towns missed most"), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Chart, 0, 0, 1, 3);
    grid->addWidget(regionLabel, 1, 0);
    grid->addWidget(RegionChooser, 1, 1);
    grid->addWidget(missedLabel, 1, 2);
    grid->addWidget(KnowledgeMap, 2, 0, 1, 2);
    grid->addWidget(MissedList, 2, 2);
    grid->addWidget(legend, 3, 0, 1, 2);
    grid->setRowStretch(0, 4);
    grid->setRowStretch(2, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);

    connect(RegionChooser, &QComboBox::currentIndexChanged, this,
            [this](int index) { showRegion(index); });
}

void ProgressPage::refresh() {
    fillChart();
    fillMissed();
    showRegion(RegionChooser->currentIndex());
}

void ProgressPage::fillChart() {
    auto* chart = new QChart;
    chart->setTitle(tr("Sessions of %1").arg(record.player()));
    auto* perMinute = new QLineSeries;
    perMinute->setName(tr("Towns found per minute"));
    auto* wrongPerTown = new QLineSeries;
    wrongPerTown->setName(tr("Wrong clicks per town"));
    double mostPerMinute = 1, mostWrong = 1;
    QDateTime first, last;
    if (ProgressDatabase* db = record.database())
        for (const SessionSummary& s : playerSessions(*db, record.player())) {
            const qreal at = qreal(s.startedAt.toMSecsSinceEpoch());
            perMinute->append(at, s.townsPerMinute());
            wrongPerTown->append(at, s.wrongClicksPerTown());
            mostPerMinute = std::max(mostPerMinute, s.townsPerMinute());
            mostWrong = std::max(mostWrong, s.wrongClicksPerTown());
            first = first.isNull() ? s.startedAt : first;
            last = s.startedAt;
        }
    for (QLineSeries* series : {perMinute, wrongPerTown}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
    }
    auto* time = new QDateTimeAxis;
    if (first.isNull())
        first = last = QDateTime::currentDateTimeUtc();
    // Days apart, the dates tell the sessions apart; within a day or two, the hours do.
    time->setFormat(first.daysTo(last) >= 2 ? QLocale().dateFormat(QLocale::ShortFormat)
                                            : QLocale().timeFormat(QLocale::ShortFormat));
    // A single session still gets a day's width around it.
    time->setRange(first.toLocalTime().addSecs(-3600), last.toLocalTime().addSecs(3600));
    time->setTickCount(5);
    // Each measure on its own scale: towns per minute on the left, wrong clicks on the right.
    chart->addAxis(time, Qt::AlignBottom);
    const auto scale = [&](QLineSeries* series, double most, Qt::Alignment side) {
        auto* axis = new QValueAxis;
        axis->setRange(0, most * 1.1);
        axis->setLabelFormat(QStringLiteral("%.1f"));
        axis->setLinePenColor(series->color());
        axis->setLabelsColor(series->color().darker(130));
        chart->addAxis(axis, side);
        series->attachAxis(time);
        series->attachAxis(axis);
    };
    scale(perMinute, mostPerMinute, Qt::AlignLeft);
    scale(wrongPerTown, mostWrong, Qt::AlignRight);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    QChart* old = Chart->chart();
    Chart->setChart(chart);
    delete old;
}

void ProgressPage::fillMissed() {
    MissedList->clear();
    ProgressDatabase* db = record.database();
    if (!db)
        return;
    for (const TownKnowledge& t : mostMissed(*db, record.player(), 15))
        new QTreeWidgetItem(MissedList, {spellings.shown(t.town), QString::number(t.missed),
                                         QString::number(t.asked), dateText(t.lastAsked),
                                         dateText(t.lastFound)});
}

void ProgressPage::showRegion(int index) {
    if (index < 0 || index >= RegionCount)
        return;
    const QString picture = RegionPictures[std::size_t(index)];
    if (KnowledgeMap->PictureFilename() != picture)
        KnowledgeMap->LoadPicture(picture);
    QStringList towns;
    for (const QString& line : record.definitions())
        if (line.section(QLatin1Char('/'), 0, 0) == picture)
            towns << NameOfDefinition(line);
    shownMarks = {};
    QList<TownKnowledge> known;
    if (ProgressDatabase* db = record.database())
        known = townKnowledge(*db, record.player(), towns);
    for (int i = 0; i < towns.size(); ++i) {
        const Knowledge level = i < known.size() ? known[i].level() : Knowledge::NotAsked;
        if (const auto box = HotspotBox(record.definitions(), picture, towns[i]))
            shownMarks.marks << MapMark{*box, colourOf(level), QString(), MapMark::Dot};
    }
    ShowMarks(*KnowledgeMap, shownMarks);
}
