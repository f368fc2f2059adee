// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files are complete and current, no text escapes them, and both windows and
// the game's boxes read, caption by caption: with no translation exactly captions-en.txt;
// under a pseudo-translation that marks every text it gives, nothing unmarked; in Italian, no
// English left; and every caption fits its control. Towns show their spelling in every language.
#include "Entering.h"
#include "ErrorBox.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "MessageBoxes.h"
#include "ProgressBar.h"
#include "QuizAdapters.h"
#include "ScreenSize.h"
#include "SilentPlayer.h"
#include "SpinEdit.h"
#include "Translations.h"
#include "UQuesiti.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

using Captions = QMap<QString, QString>; // "window.object/property" to its text
const QString Italian = QStringLiteral(TERRAVA_SOURCE_DIR "/content/translations/terrava_it.ts");

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

// The file's source texts, and "<type>: <source>" for each translation not done.
QStringList sourcesOf(const QString& ts, QStringList* notDone = nullptr) {
    QStringList sources;
    for (QXmlStreamReader xml(readText(ts)); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources << xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation" && notDone) {
            const QString type = xml.attributes().value("type").toString();
            if (!type.isEmpty() || xml.readElementText().isEmpty())
                *notDone << type + ": " + sources.last();
        }
    }
    return sources;
}

class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* text, const char*, int) const override {
        return text && *text ? "<<" + QString::fromUtf8(text) + ">>" : QString();
    }
};

// A window's captions, and in tooWide those that need more room than their control has.
void readCaptions(QWidget* window, Captions& captions, QStringList& tooWide) {
    const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
    for (QWidget* w : widgets) {
        const auto put = [&](QString what, const QString& text, int needed = 0, int room = 0) {
            what = window->objectName() + '.' + w->objectName() + '/' + what;
            if (!text.isEmpty())
                captions.insert(what, text);
            if (needed > room)
                tooWide << what + ": " + text;
        };
        put(w == window ? "windowTitle" : "", w == window ? w->windowTitle() : QString());
        put("accessibleName", w->accessibleName());
        put("accessibleDescription", w->accessibleDescription());
        put("toolTip", w->toolTip());
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(w))
            put("text", label->text(), metrics.horizontalAdvance(label->text()),
                label->contentsRect().width());
        else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !w->inherits("QRadioButton"))
            put("text", b->text(), // the towns' buttons hold names
                qobject_cast<QCheckBox*>(w)
                    ? b->sizeHint().width()
                    : metrics.horizontalAdvance(b->text()) +
                          2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin),
                b->width());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            put("title", group->title());
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                put(QString("tab%1").arg(i), tabs->tabText(i),
                    metrics.horizontalAdvance(tabs->tabText(i)), tabs->tabRect(i).width());
    }
}

// The town asked and the boxes of one game: a town found and the session over, the time up,
// a region map missing, an error of the quiz.
void playGame(TMainForm& form, Captions& captions) {
    int n = 0;
    MessageBoxes::setHandler([&](const MessageRequest& r) {
        captions.insert(QString("box%1/caption").arg(n), r.caption);
        captions.insert(QString("box%1/text").arg(n++), QString(r.text).replace('\r', "\\r"));
    });
    // The one town to draw is written in plain letters: the player reads its spelling.
    form.RegionsHyperImages->setHotspotsDef(
        form.RegionsHyperImages->HotspotsDef().filter("Etruria.bmp/L Aquila="));
    form.FillList(form.RegionsHyperImages, form.ListBox);
    form.SpinEdit->setValue(1);
    form.StartButtonClick();
    const QListWidgetItem& listed = *form.ListBox->item(0);
    captions.insert("town/listed", listed.text() + " = " + TownOfItem(listed));
    captions.insert("town/asked", form.TownToFindLabel->text() + " = " + form.TownToFind);
    form.ShowRegion(1); // Etruria
    const QPoint at = clickablePoints(form.RegionsHyperImages).value(form.TownToFind);
    form.RegionsHyperImagesImageMouseDown(at.x(), at.y());
    form.StartButtonClick();
    form.ProgressBar->setPosition(1);
    form.TimerTimer();
    form.RegionsHyperImages->setPicturesDir("/nonexistent");
    form.ShowRegion(0);
    ErrorBox::run([&] { form.Session->QuestionList().itemText(99); });
    MessageBoxes::setHandler({});
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game"));
        QCoreApplication::setApplicationName("Terrava");
    }

    // lupdate leaves a copy as it is: every marked text is in the file and nothing else.
    void filesAreCurrentAndComplete() {
        QTemporaryDir dir;
        const QString copy = dir.filePath("terrava_it.ts");
        QVERIFY(QFile::copy(Italian, copy));
        QProcess lupdate;
        lupdate.start(TERRAVA_LUPDATE, readText(TERRAVA_LUPDATE_OPTIONS).simplified().split(' ')
                                           << "@" TERRAVA_TEXT_SOURCES << "-ts" << copy);
        QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);
        QVERIFY2(readText(copy) == readText(Italian), "the sources have other texts: build "
                                                      "update_translations, translate the new");
        QStringList notDone;
        sourcesOf(Italian, &notDone);
        QVERIFY2(notDone.isEmpty(), qPrintable(notDone.join('\n')));
    }

    // Every literal that reads as prose (two words) is part of a marked text, or a name.
    void noTextBypassesTranslation() {
        const QStringList names = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans",
                                   "QTabBar::tab { width: %1px; height: %2px; padding: 0; "
                                   "margin: 0; }",
                                   "<span style=\"color:%1\">&#9679;</span>&nbsp;%2"};
        const QString marked = sourcesOf(Italian).join('\n');
        static const QRegularExpression literal("\"((?:[^\"\\\\\\n]|\\\\.)*)\""),
            comment("^\\s*//.*$", QRegularExpression::MultilineOption),
            prose("[A-Za-z]{2,}[,.:;!?]? +[A-Za-z]"),
            // The record's queries: SQL words, qualified and snake_case names, capitals only.
            sql("\\b(SELECT|FROM|WHERE|JOIN|ORDER BY|GROUP "
                "BY|INSERT|UPDATE|DELETE|CREATE|VALUES|AS|"
                "WITH|PRAGMA|INTEGER|TEXT|PRIMARY KEY|NOT NULL|REFERENCES|DEFAULT|UNIQUE|INDEX|"
                "TABLE|BEGIN|COMMIT|ROLLBACK|CASE|WHEN|THEN|ELSE|END|ON|IS|NULL|AND|OR|IN|LIMIT|"
                "DESC|ASC|COUNT|SUM|MAX|MIN|COALESCE|INTO|SET)\\b|\\b[a-z]\\.[a-z_]+|"
                "\\b[a-z]+_[a-z_]+\\b|^[^a-z]*$");
        QStringList bypassing;
        for (const QString& path : readText(TERRAVA_TEXT_SOURCES).split('\n', Qt::SkipEmptyParts))
            for (const auto& m : literal.globalMatch(readText(path).remove(comment))) {
                const QString text = m.captured(1).replace("\\\"", "\"");
                if (text.contains(prose) && !text.contains(sql) && !marked.contains(text) &&
                    !names.contains(text))
                    bypassing << QFileInfo(path).fileName() + ": \"" + text + '"';
            }
        QVERIFY2(bypassing.isEmpty(), qPrintable("not marked: " + bypassing.join('\n')));
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
        QCOMPARE(Translations::install(QLocale(language == "it" ? "it_IT" : "en_GB")),
                 language == "it" ? "it" : "");
        QCOMPARE(Translations::localisedPage("images", "help.html", QLocale(language)),
                 language == "it" ? "images/help_it.html" : "images/help.html");
        setPrimaryScreenSizeOverride(screen);
        TOKBottomDlg dialog;
        TMainForm form(nullptr, std::make_unique<SilentPlayer>());
        dialog.show();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Captions shown, english;
        QStringList tooWide;
        readCaptions(&dialog, shown, tooWide);
        readCaptions(&form, shown, tooWide);
        playGame(form, shown);
        QVERIFY2(language == "pseudo" || tooWide.isEmpty(), qPrintable(tooWide.join('\n')));
        for (const QString& line :
             readText(TERRAVA_SOURCE_DIR "/tests/captions-en.txt").split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                english.insert(line.section('\t', 0, 0), line.section('\t', 1));
        QCOMPARE(shown.keys(), english.keys());
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const bool name = it.value() == "Terrava" || it.value() == "OK" || // Italian's too
                              it.key().startsWith("town/");
            if (language == "C")
                QCOMPARE(it.value(), english[it.key()]);
            else if (!name)
                QVERIFY2(language == "pseudo" ? it.value().startsWith("<<")
                                              : it.value() != english[it.key()],
                         qPrintable(it.key() + ": " + it.value()));
        }
        QCoreApplication::removeTranslator(&pseudo);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
