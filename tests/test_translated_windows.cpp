// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows and the game's message boxes, read caption by caption: under no translation
// exactly the English texts of captions-en.txt; under a pseudo-translation that marks every
// translated text, nothing unmarked (a text that bypasses translation); in Italian, no
// English caption left; and in every language each caption fits its control.
#include "Catalogue.h"
#include "Entering.h"
#include "ErrorBox.h"
#include "ErrorOf.h"
#include "HImages.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "MessageBoxes.h"
#include "ProgressBar.h"
#include "QuizAdapters.h"
#include "RadioGroup.h"
#include "ScreenSize.h"
#include "SilentPlayer.h"
#include "SpinEdit.h"
#include "Translations.h"
#include "UQuesiti.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

namespace {

using Captions = QMap<QString, QString>; // "object/property" to its text

// Marks every text it is asked for: what comes out unmarked never went through translation.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? "<<" + QString::fromUtf8(source) + ">>" : QString();
    }
};

// The captions of a window, and the captions that do not fit their control.
void readCaptions(QWidget* window, Captions& captions, QStringList& tooWide) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        const QString at = window->objectName() + '.' + w->objectName() + '/';
        const auto put = [&](const char* property, const QString& text, int room = INT_MAX,
                             int needed = 0) {
            if (text.isEmpty())
                return;
            captions.insert(at + property, text);
            if (needed > room)
                tooWide << at + property + ": " + text;
        };
        if (w == window)
            put("windowTitle", w->windowTitle());
        put("accessibleName", w->accessibleName());
        put("accessibleDescription", w->accessibleDescription());
        put("toolTip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            put("text", label->text(), label->contentsRect().width(),
                label->fontMetrics().horizontalAdvance(label->text()));
        else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QRadioButton*>(w))
            put("text", b->text(), b->width(), // not the towns' buttons
                qobject_cast<QCheckBox*>(w)
                    ? b->sizeHint().width()
                    : b->fontMetrics().horizontalAdvance(b->text()) +
                          2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin));
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            put("title", group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                put(qPrintable(QString("tab%1").arg(i)), tabs->tabText(i),
                    tabs->tabBar()->tabRect(i).width(),
                    tabs->tabBar()->fontMetrics().horizontalAdvance(tabs->tabText(i)));
    }
}

// The boxes of one game, as "box<n>/caption" and "box<n>/text": a town found and the session
// over, the time up, a region map missing, an error of the quiz.
void playGame(TMainForm& form, Captions& captions) {
    int n = 0;
    MessageBoxes::setHandler([&](const MessageRequest& r) {
        captions.insert(QString("box%1/caption").arg(n), r.caption);
        captions.insert(QString("box%1/text").arg(n++), QString(r.text).replace('\r', "\\r"));
    });
    form.SpinEdit->setValue(1);
    form.StartButtonClick();
    for (int region = 0; region < RegionCount && n == 0; ++region) {
        form.ShowRegion(region);
        const QPoint at = clickablePoints(form.RegionsHyperImages).value(form.TownToFind, {-1, -1});
        form.RegionsHyperImagesImageMouseDown(at.x(), at.y());
    }
    form.StartButtonClick();
    form.ProgressBar->setPosition(1);
    form.TimerTimer();
    form.RegionsHyperImages->setPicturesDir("/nonexistent");
    form.ShowRegion(0);
    ErrorBox::run([&] { form.Session->QuestionList().itemText(99); });
    MessageBoxes::setHandler({});
}

Captions englishCaptions() {
    QFile file(QStringLiteral(TERRAVA_SOURCE_DIR "/tests/captions-en.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read captions-en.txt");
    Captions captions;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            captions.insert(line.section('\t', 0, 0), line.section('\t', 1));
    return captions;
}

} // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game"));
        QCoreApplication::setApplicationName("Terrava");
    }

    void languageAndHelpPageFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("page");
        QTest::newRow("C") << "C" << QStringList{} << "help.html";
        QTest::newRow("English") << "en_GB" << QStringList{} << "help.html";
        QTest::newRow("Italian") << "it_IT" << QStringList{"it_Latn_IT", "it_IT", "it"}
                                 << "help_it.html";
        QTest::newRow("Swiss Italian")
            << "it_CH" << QStringList{"it_Latn_CH", "it_CH", "it"} << "help_it.html";
        QTest::newRow("German, none made")
            << "de_DE" << QStringList{"de_Latn_DE", "de_DE", "de"} << "help.html";
    }
    void languageAndHelpPageFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QStringList, wanted);
        QFETCH(QString, page);
        QCOMPARE(Translations::wantedLanguages(QLocale(locale)), wanted);
        QCOMPARE(Translations::localisedPage("images", "help.html", QLocale(locale)),
                 "images/" + page);
    }

    // The plain names of the definitions are the towns' names for the judgement and the
    // settings; the player reads their spelling. A malformed town table names file and line.
    void townsShowTheirSpelling() {
        TMainForm form(nullptr, std::make_unique<SilentPlayer>());
        const QListWidgetItem* forli = form.ListBox->findItems("Forlì", Qt::MatchExactly).value(0);
        QVERIFY(forli);
        QCOMPARE(TownOfItem(*forli), QString("Forli"));
        form.RadioGroup->addItem("L Aquila", form.Spellings.shown("L Aquila"));
        form.RadioGroup->setItemIndex(0);
        QCOMPARE(form.TownToFindLabel->text(), QString("L'Aquila"));
        QCOMPARE(form.RadioGroup->button(0)->text(), QString("L'Aquila"));
        QStringList boxes;
        MessageBoxes::setHandler([&](const MessageRequest& r) { boxes << r.text; });
        form.ShowRegion(1);
        const QPoint at = clickablePoints(form.RegionsHyperImages).value("L Aquila");
        form.RegionsHyperImagesImageMouseDown(at.x(), at.y());
        MessageBoxes::setHandler({});
        QCOMPARE(boxes, QStringList{"Good! "});

        for (const char* table : {"town,spelling\nForli,Forlì\n", "name,spelling\nForli\n",
                                  "name,spelling\nForli,Forlì\n,X\n"}) {
            const QString error = errorOf([&] { TownSpellings::fromText(table, "t.csv"); });
            QVERIFY2(error.startsWith("t.csv, line "), qPrintable(error));
        }
    }

    // The Italian rows come last: the game's translation, once installed, stays.
    void captions_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("screen");
        for (const char* language : {"C", "pseudo", "it"})
            for (const QSize screen : {QSize(800, 600), QSize(1920, 1080)})
                QTest::addRow("%s %dx%d", language, screen.width(), screen.height())
                    << language << screen;
    }
    void captions() {
        QFETCH(QString, language);
        QFETCH(QSize, screen);
        PseudoTranslator pseudo;
        if (language == "pseudo")
            QCoreApplication::installTranslator(&pseudo);
        else if (language == "it")
            QCOMPARE(Translations::install(QLocale("it_IT")), QString("it"));
        setPrimaryScreenSizeOverride(screen);
        TOKBottomDlg dialog;
        TMainForm form(nullptr, std::make_unique<SilentPlayer>());
        dialog.show();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Captions shown;
        QStringList tooWide;
        readCaptions(&dialog, shown, tooWide);
        readCaptions(&form, shown, tooWide);
        playGame(form, shown);
        if (language != "pseudo") // its marks make every text longer
            QVERIFY2(tooWide.isEmpty(), qPrintable("does not fit:\n" + tooWide.join('\n')));

        const Captions english = englishCaptions();
        QCOMPARE(shown.keys(), english.keys());
        // Names, not texts: the program's and the author's, and Italian's own "OK".
        const QStringList same = {"Terrava", "OK"};
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            if (language == "C")
                QCOMPARE(it.value(), english[it.key()]);
            else if (language == "pseudo" && !same.contains(it.value()))
                QVERIFY2(it.value().startsWith("<<"), qPrintable(it.key() + ": " + it.value()));
            else if (language == "it" && !same.contains(it.value()))
                QVERIFY2(it.value() != english[it.key()], qPrintable(it.key() + ": " + it.value()));
        }
        QCoreApplication::removeTranslator(&pseudo);
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "test_translated_windows.moc"
