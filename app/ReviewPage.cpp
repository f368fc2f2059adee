// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReviewPage.h"

#include "HImages.h"
#include "LearningRecord.h"
#include "PlayerProgress.h"
#include "ProgressDatabase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QColor RightPlace(0, 150, 0);
const QColor ClickedInstead(210, 0, 0);
const QColor StillOpen(230, 120, 0);

QString foundText(const ReviewedTown& t) {
    if (t.found)
        return t.foundInTime ? ReviewPage::tr("found") : ReviewPage::tr("found after time up");
    return t.askedOrder > 0 ? ReviewPage::tr("not found") : ReviewPage::tr("not asked");
}

QString endText(const SessionSummary& s) {
    if (!s.end)
        return ReviewPage::tr("not ended");
    switch (*s.end) {
    case SessionEnd::AllFound:
        return ReviewPage::tr("all found");
    case SessionEnd::NewStart:
        return ReviewPage::tr("new start");
    case SessionEnd::WindowClosed:
        return ReviewPage::tr("window closed");
    }
    return {};
}
} // namespace

QString SecondsText(qint64 ms) {
    return ReviewPage::tr("%1 s").arg(QLocale().toString(ms / 1000.0, 'f', 1));
}

ReviewPage::ReviewPage(LearningRecord& rec, const TownSpellings& spellings,
                       const QString& picturesDir, QWidget* parent)
    : QWidget(parent), record(rec), spellings(spellings) {
    SessionChooser = new QComboBox(this);
    SessionChooser->setAccessibleName(tr("Session"));
    TownList = new QTreeWidget(this);
    TownList->setAccessibleName(tr("Towns of the session"));
    TownList->setRootIsDecorated(false);
    TownList->setHeaderLabels({tr("#"), tr("Town"), tr("Result"), tr("Time"), tr("Wrong clicks")});
    TownList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ReviewMap = new THyperImages(this);
    ReviewMap->setAccessibleName(tr("Map of the town chosen"));
    ReviewMap->setHotspotsDef(record.definitions());
    ReviewMap->setPicturesDir(picturesDir);
    ReviewMap->setAutoScaleImage(true);
    ReviewMap->Loaded();
    ReviewMap->setMinimumSize(200, 150);
    TownLabel = new QLabel(this);
    TownLabel->setWordWrap(true);
    TownLabel->setAccessibleName(tr("Where the town is"));

    auto* chooserRow = new QHBoxLayout;
    auto* sessionLabel = new QLabel(tr("Session:"), this);
    sessionLabel->setBuddy(SessionChooser);
    chooserRow->addWidget(sessionLabel);
    chooserRow->addWidget(SessionChooser, 1);
    auto* mapSide = new QWidget(this);
    auto* mapLayout = new QVBoxLayout(mapSide);
    mapLayout->setContentsMargins(0, 0, 0, 0);
    mapLayout->addWidget(ReviewMap, 1);
    mapLayout->addWidget(TownLabel);
    auto* split = new QSplitter(this);
    split->addWidget(TownList);
    split->addWidget(mapSide);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooserRow);
    layout->addWidget(split, 1);

    connect(SessionChooser, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling && index >= 0)
            showSession(SessionChooser->itemData(index).toLongLong());
    });
    connect(TownList, &QTreeWidget::currentItemChanged, this, [this] {
        if (!filling)
            chooseTown(TownList->currentIndex().row());
    });
}

void ReviewPage::showSession(qint64 sessionId) {
    ProgressDatabase* db = record.database();
    shown.reset();
    if (db) {
        const QList<SessionSummary> sessions = playerSessions(*db, record.player());
        if (sessionId == 0 && !sessions.isEmpty())
            sessionId = sessions.back().id;
        if (sessionId != 0)
            shown = sessionReview(*db, sessionId);
    }
    fillSessions(sessionId);
    fillTowns();
    chooseTown(0);
}

void ReviewPage::fillSessions(qint64 chosen) {
    filling = true;
    SessionChooser->clear();
    if (ProgressDatabase* db = record.database()) {
        const QList<SessionSummary> sessions = playerSessions(*db, record.player());
        const QLocale locale;
        for (auto s = sessions.rbegin(); s != sessions.rend(); ++s) {
            const QString text =
                tr("%1: %2 of %3 found, %4")
                    .arg(locale.toString(s->startedAt.toLocalTime(), QLocale::ShortFormat))
                    .arg(s->found)
                    .arg(s->towns)
                    .arg(endText(*s));
            SessionChooser->addItem(text, s->id);
            if (s->id == chosen)
                SessionChooser->setCurrentIndex(SessionChooser->count() - 1);
        }
    }
    filling = false;
}

void ReviewPage::fillTowns() {
    filling = true;
    TownList->clear();
    if (shown) {
        for (const ReviewedTown& t : shown->towns) {
            QStringList clicked;
            for (const ReviewedClick& c : t.wrongClicks)
                clicked << spellings.shown(c.click.clicked);
            const QString wrong = t.wrongClicks.isEmpty()
                                      ? QStringLiteral("0")
                                      : tr("%1: %2")
                                            .arg(t.wrongClicks.size())
                                            .arg(clicked.join(QStringLiteral(", ")));
            auto* item = new QTreeWidgetItem(
                TownList, {t.askedOrder > 0 ? QString::number(t.askedOrder) : QString(),
                           spellings.shown(t.town), foundText(t),
                           t.foundMs >= 0 ? SecondsText(t.foundMs) : QString(), wrong});
            item->setForeground(2, t.found ? RightPlace : ClickedInstead);
        }
    }
    filling = false;
}

void ReviewPage::chooseTown(int row) {
    shownMarks = {};
    if (!shown || row < 0 || row >= shown->towns.size()) {
        TownLabel->setText(record.database() ? tr("No session to review yet.")
                                             : tr("The record of sessions is off."));
        ShowMarks(*ReviewMap, shownMarks);
        return;
    }
    filling = true;
    TownList->setCurrentItem(TownList->topLevelItem(row));
    filling = false;
    const ReviewedTown& town = shown->towns[row];
    const QString picture = PictureOfTown(record.definitions(), town.town);
    if (!picture.isEmpty() && picture != ReviewMap->PictureFilename())
        ReviewMap->LoadPicture(picture);
    shownMarks = marksFor(town, picture);
    ShowMarks(*ReviewMap, shownMarks);
    QString text = tr("%1: %2.").arg(spellings.shown(town.town), foundText(town));
    if (!town.wrongClicks.isEmpty())
        text += QLatin1Char(' ') + tr("In red what was clicked instead; each line leads to the "
                                      "right place.");
    TownLabel->setText(text);
}

MapMarks ReviewPage::marksFor(const ReviewedTown& town, const QString& picture) {
    MapMarks marks;
    const Geography& places = record.geography();
    const QStringList& defs = record.definitions();
    const auto target = HotspotBox(defs, picture, town.town);
    if (!target)
        return marks;
    marks.marks << MapMark{*target, RightPlace, spellings.shown(town.town)};
    // Where a place lies on this picture: its own hotspot, or its place on the Earth.
    const auto onPicture = [&](const WrongClick& c) -> std::optional<QRectF> {
        if (c.kind == WrongClick::Kind::Town) {
            if (c.picture == picture)
                if (const auto box = HotspotBox(defs, picture, c.clicked))
                    return box;
            if (const auto geo = places.town(c.clicked))
                if (const auto p = places.toPicture(picture, *geo))
                    return PointBox(*p);
            return std::nullopt;
        }
        if (const auto geo = places.toGeo(c.picture, c.point))
            if (const auto p = places.toPicture(picture, *geo))
                return PointBox(*p);
        return std::nullopt;
    };
    const QLocale locale;
    for (const ReviewedClick& rc : town.wrongClicks) {
        const auto box = onPicture(rc.click);
        if (!box)
            continue;
        const auto km = places.wrongClickKm(rc.click, town.town);
        const QString distance = km ? tr("%1 km").arg(locale.toString(*km, 'f', 0)) : QString();
        // The place clicked is ringed where the picture shows it; the line names it.
        if (QRectF(QPointF(0, 0), ReviewMap->PictureImage().size()).contains(box->center()))
            marks.marks << MapMark{*box, ClickedInstead, QString()};
        marks.lines << MapLine{target->center(), box->center(),
                               distance.isEmpty()
                                   ? spellings.shown(rc.click.clicked)
                                   : tr("%1, %2").arg(spellings.shown(rc.click.clicked), distance)};
    }
    // After "Time Up!" the towns still open are shown where they are.
    if (shown && shown->timeUpMs)
        for (const ReviewedTown& other : shown->towns)
            if (!other.found && other.position != town.position)
                if (const auto box = HotspotBox(defs, picture, other.town))
                    marks.marks << MapMark{*box, StillOpen, spellings.shown(other.town)};
    return marks;
}
