// Closing the main window with unsaved work asks first: painted patterns not stored, the pattern
// file, the level, a painted picture in the converter. Every case goes through the real close event.
#include "app/closequestion.h"
#include "gui/converter/converterwindow.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "support/windowsetfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using SaveAnswer = UserDialogs::SaveAnswer;

class CloseQuestionTest : public WindowSetFixture {
public:
    void SetUp() override
    {
        // The shipped level disk, for the level editor's disk buttons.
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/oxildisk.atr"),
                    folder.filePath(QStringLiteral("oxildisk.atr")));
        build().patternWindow()->show();
        // No start-up file in the folder: its error box is no part of these tests.
        dialogs.errors.clear();
    }

    // A fresh program for the next case of a table.
    void restart()
    {
        set.reset();
        dialogs = ScriptedDialogs();
        SetUp();
    }

    QWidget* main() const { return set->patternWindow(); }

    static void press(QWidget* window, const char* name)
    {
        auto* button = Control<QAbstractButton>(window, name);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Paints the top left cell of the editing surface with F1.
    void paintPattern()
    {
        QTest::mouseClick(Control<QWidget>(main(), "Farbe1"), Qt::LeftButton);
        QTest::mouseClick(Control<QWidget>(main(), "PaintBox"), Qt::LeftButton, {}, QPoint(10, 5));
    }
    void storePattern()
    {
        paintPattern();
        press(main(), "ButtonSpeichern");
    }
    void typePhases()
    {
        auto* phases = Control<QLineEdit>(main(), "Editphasen");
        phases->setFocus();
        QTest::keyClicks(phases, QStringLiteral(";4"));
    }
    void typeAuthor()
    {
        press(main(), "ButtonMap");
        auto* author = Control<QLineEdit>(set->levelWindow(), "editautor");
        author->setFocus();
        QTest::keyClicks(author, QStringLiteral("ich"));
    }
    // Loads a picture of a dark and a light pixel, picks the dark one and paints it over the light one.
    void paintPicture()
    {
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0, 0, 0));
        picture.setPixel(1, 0, qRgb(255, 255, 255));
        const QString file = folder.filePath(QStringLiteral("bild.png"));
        ASSERT_TRUE(picture.save(file));
        press(main(), "ButtonGrafikconverter");
        QWidget* converter = set->converterWindow();
        dialogs.fileAnswers.push_back(file);
        press(converter, "ButtonLoadPicture");
        auto* image = Control<QWidget>(converter, "Image1");
        const auto at = [image](int x) { return QPoint(image->width() * (2 * x + 1) / 4, image->height() / 2); };
        QTest::mouseClick(image, Qt::RightButton, {}, at(0));
        Control<QCheckBox>(converter, "CheckBox1")->setChecked(true);
        QTest::mouseClick(image, Qt::LeftButton, {}, at(1));
    }

};

struct Case {
    const char* name;
    void (CloseQuestionTest::*make)();
    const char* named;            // what the question names
    std::vector<const char*> saves; // the files the save flows are given, in turn
};

const Case kCases[] = {
    {"painted", &CloseQuestionTest::paintPattern, "noch nicht mit \"Speichern\"", {"neu.fa8"}},
    {"stored", &CloseQuestionTest::storePattern, "Font Datei", {"neu.fa8"}},
    {"phases", &CloseQuestionTest::typePhases, "Font Datei", {"neu.fa8"}},
    {"level", &CloseQuestionTest::typeAuthor, "Level", {"neu.la8"}},
    {"picture", &CloseQuestionTest::paintPicture, "Grafikconverter", {"neu.bmp"}},
};

TEST_F(CloseQuestionTest, NothingUnsavedEndsWithoutAQuestion)
{
    EXPECT_TRUE(main()->close());
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());
}

TEST_F(CloseQuestionTest, EachKindOfUnsavedWorkAsksAndAbbrechenKeepsEverything)
{
    for (const Case& c : kCases) {
        restart();
        (this->*c.make)();
        dialogs.saveAnswers = {SaveAnswer::Cancel};
        EXPECT_FALSE(main()->close()) << c.name;
        EXPECT_TRUE(main()->isVisible()) << c.name;
        ASSERT_EQ(dialogs.saveQuestions.size(), 1) << c.name;
        EXPECT_TRUE(dialogs.saveQuestions[0].contains(QLatin1String(c.named))) << qPrintable(dialogs.saveQuestions[0]);
        EXPECT_TRUE(dialogs.saveRequests.empty()) << c.name;
        // Still unsaved: the next close asks again; "Verwerfen" ends.
        dialogs.saveAnswers = {SaveAnswer::Discard};
        EXPECT_TRUE(main()->close()) << c.name;
        EXPECT_EQ(dialogs.saveQuestions.size(), 2) << c.name;
        EXPECT_TRUE(dialogs.saveRequests.empty()) << c.name;
        EXPECT_TRUE(dialogs.errors.isEmpty()) << c.name << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
    }
}

TEST_F(CloseQuestionTest, SpeichernRunsTheSaveFlowsAndThenNothingIsUnsaved)
{
    for (const Case& c : kCases) {
        restart();
        (this->*c.make)();
        for (const char* file : c.saves)
            dialogs.fileAnswers.push_back(folder.filePath(QLatin1String(file)));
        dialogs.saveAnswers = {SaveAnswer::Save};
        EXPECT_TRUE(main()->close()) << c.name;
        EXPECT_EQ(dialogs.saveRequests.size(), c.saves.size()) << c.name;
        for (const char* file : c.saves)
            EXPECT_TRUE(QFile::exists(folder.filePath(QLatin1String(file)))) << c.name << " " << file;
        EXPECT_TRUE(dialogs.errors.isEmpty()) << c.name << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
        main()->show();
        EXPECT_TRUE(main()->close()) << c.name;
        EXPECT_EQ(dialogs.saveQuestions.size(), 1) << c.name;
    }
}

TEST_F(CloseQuestionTest, CancellingASaveDialogCancelsTheClosing)
{
    // Painted and stored into a set, then painted again in another colour (the same colour again would
    // change no byte): "Speichern" stores, then the file dialog is cancelled.
    storePattern();
    QTest::mouseClick(Control<QWidget>(main(), "Farbe2"), Qt::LeftButton);
    QTest::mouseClick(Control<QWidget>(main(), "PaintBox"), Qt::LeftButton, {}, QPoint(10, 5));
    dialogs.saveAnswers = {SaveAnswer::Save};
    EXPECT_FALSE(main()->close());
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    ASSERT_EQ(dialogs.saveQuestions.size(), 1);
    EXPECT_TRUE(dialogs.saveQuestions[0].contains(QStringLiteral("noch nicht mit")));
    // The pattern is stored now; the file still asks.
    dialogs.saveAnswers = {SaveAnswer::Cancel};
    EXPECT_FALSE(main()->close());
    ASSERT_EQ(dialogs.saveQuestions.size(), 2);
    EXPECT_FALSE(dialogs.saveQuestions[1].contains(QStringLiteral("noch nicht mit")));
    EXPECT_TRUE(dialogs.saveQuestions[1].contains(QStringLiteral("Font Datei")));
}

TEST_F(CloseQuestionTest, UndoingBackToTheSavedStateIsSavedAgain)
{
    storePattern();
    press(main(), "ButtonMap");
    dialogs.confirmAnswers = {UserDialogs::Answer::Yes};
    press(set->levelWindow(), "Button32");
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    // Level: one step back. Pattern editor: the store, then the painting.
    press(set->levelWindow(), "ButtonUndo");
    QApplication::setActiveWindow(main());
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(main(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(main()->close()) << qPrintable(dialogs.saveQuestions.join(QLatin1Char('\n')));
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());
}

TEST_F(CloseQuestionTest, SavingThePatternFileOrPuttingTheLevelOnTheDiskCountsAsSaved)
{
    storePattern();
    dialogs.fileAnswers.push_back(folder.filePath(QStringLiteral("eigen.fa8")));
    press(main(), "ButtonSaveFile");
    typeAuthor();
    press(set->levelWindow(), "ButtonAtrSave");
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
    EXPECT_TRUE(main()->close()) << qPrintable(dialogs.saveQuestions.join(QLatin1Char('\n')));
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());
}

} // namespace

namespace {

// The desktop session ends: the same question, and only "Speichern" that saved or "Verwerfen" let it end.
TEST_F(CloseQuestionTest, TheSessionEndingAsksAndAbbrechenKeepsTheSession)
{
    struct Request : SessionEndRequest {
        bool allowsInteraction() override { return interaction; }
        void release() override { ++released; }
        void cancel() override { ++cancelled; }
        bool interaction = true;
        int released = 0;
        int cancelled = 0;
    };
    CloseQuestion* question = nullptr;
    for (QObject* child : main()->children())
        if (auto* found = dynamic_cast<CloseQuestion*>(child))
            question = found;
    ASSERT_NE(question, nullptr);

    // Nothing unsaved: nothing asked, the session ends.
    Request quiet;
    question->sessionEnding(quiet);
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());
    EXPECT_EQ(quiet.cancelled, 0);

    paintPattern();
    // A session manager that allows no questions is not kept waiting and not cancelled.
    Request hurried;
    hurried.interaction = false;
    question->sessionEnding(hurried);
    EXPECT_TRUE(dialogs.saveQuestions.isEmpty());
    EXPECT_EQ(hurried.cancelled, 0);

    const struct {
        SaveAnswer answer;
        std::optional<QString> file; // the save dialog's answer, for "Speichern"
        bool cancelled;
    } answers[] = {
        {SaveAnswer::Cancel, std::nullopt, true},
        {SaveAnswer::Save, std::nullopt, true}, // the file dialog cancelled
        {SaveAnswer::Discard, std::nullopt, false},
    };
    int asked = 0;
    for (const auto& a : answers) {
        dialogs.saveAnswers = {a.answer};
        if (a.answer == SaveAnswer::Save)
            dialogs.fileAnswers.push_back(a.file);
        Request request;
        question->sessionEnding(request);
        EXPECT_EQ(dialogs.saveQuestions.size(), ++asked);
        EXPECT_EQ(request.released, 1);
        EXPECT_EQ(request.cancelled, a.cancelled ? 1 : 0) << int(a.answer);
    }
    // "Verwerfen" was the answer: the close that follows the session's end asks no more.
    EXPECT_TRUE(main()->close());
    EXPECT_EQ(dialogs.saveQuestions.size(), asked);
}

} // namespace
