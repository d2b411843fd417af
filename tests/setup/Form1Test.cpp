#include "SetupTestSupport.h"

#include "platform/input/SdlInputSource.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"
#include "setup/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest/QTest>
#include <QWindow>
#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// X key codes (Linux input codes + 8), as the window system reports them.
enum
{
    X_ESC = 9,
    X_ENTER = 36,
    X_S = 39,
    X_G = 42,
    X_K = 45,
};

const std::vector<DisplayMode> kModes = {
    {1280, 1024, 60, 32}, {1024, 768, 60, 32}, {1024, 768, 75, 32}, {800, 600, 60, 32}};

// Runs the event loop for a while, long enough for the capture timer to tick.
void Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

class Form1Test : public ::testing::Test
{
protected:
    Form1Test()
    {
        TestApplication();
        Open(kModes);
    }

    // Opens the window anew on the files of the working folder, with the display's modes.
    void Open(const std::vector<DisplayMode>& modes)
    {
        form.reset();
        controller = std::make_unique<SetupController>(modes);
        form = std::make_unique<Form1>(*controller);
        form->show();
        Wait(10);
    }

    template <typename T>
    T* Find(const char* name)
    {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Events go to the window, as the window system delivers them.
    void SendToWindow(QEvent& event) { QApplication::sendEvent(form->windowHandle(), &event); }
    void Key(int nativeKey, Qt::Key key, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, nativeKey, 0, 0, text);
        SendToWindow(press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, nativeKey, 0, 0, text);
        SendToWindow(release);
    }
    void Click(QWidget* widget, QPoint at)
    {
        const QPointF inWindow = widget->mapTo(form.get(), at);
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, inWindow, inWindow, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        SendToWindow(press);
        QMouseEvent release(QEvent::MouseButtonRelease, inWindow, inWindow, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        SendToWindow(release);
    }
    void Click(QWidget* widget) { Click(widget, widget->rect().center()); }
    void ClickCell(int row, int column)
    {
        QTableWidget* grid = Find<QTableWidget>("bindings");
        grid->scrollToItem(grid->item(row, column));
        Click(grid->viewport(), grid->visualItemRect(grid->item(row, column)).center());
    }
    void ShowTab(int index) { Find<QTabWidget>(nullptr)->setCurrentIndex(index); }
    // The capture timer's tick, at once.
    void Tick() { form->CaptureStep(); }
    // Lets the window lay itself out and draw, as it does between two of the player's moves.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    QString Cell(int row) { return Find<QTableWidget>("bindings")->item(row, 1)->text(); }

    SetupFolder folder;
    std::unique_ptr<SetupController> controller;
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, AResolutionAndABindingChosenInTheWindowReachTheGame)
{
    QComboBox* resolution = Find<QComboBox>("resolution");
    ASSERT_EQ(resolution->count(), 3);
    EXPECT_EQ(resolution->itemText(0), "800x600");
    EXPECT_EQ(resolution->itemText(2), "1280x1024");
    EXPECT_EQ(resolution->currentText(), "1024x768");
    QPushButton* apply = Find<QPushButton>("apply");
    EXPECT_FALSE(apply->isEnabled());

    ShowTab(2);
    resolution->setCurrentIndex(2);
    EXPECT_TRUE(apply->isEnabled());

    ShowTab(1);
    QWidget* deadZone = Find<QWidget>("deadZone");
    EXPECT_TRUE(deadZone->isVisible());
    Click(Find<QPushButton>("keyboardPage"));
    EXPECT_FALSE(deadZone->isVisible());
    QLabel* escHint = Find<QLabel>("escHint");
    EXPECT_FALSE(escHint->isVisible());
    ClickCell(7, 1); // "Fire2"
    EXPECT_TRUE(escHint->isVisible());
    Key(X_G, Qt::Key_G, "g");
    Tick();
    EXPECT_EQ(Cell(7), "G");
    EXPECT_FALSE(escHint->isVisible());

    Click(apply);
    EXPECT_FALSE(apply->isEnabled());

    GameConfig game;
    EXPECT_EQ(game.video.ScrWidth, 1280);
    EXPECT_EQ(game.video.ScrHeight, 1024);
    EXPECT_EQ(game.video.RefreshHz, 60);

    InputConfig bindings;
    ASSERT_TRUE(bindings.LoadConfig("config.ini"));
    auto source = std::make_unique<SdlInputSource>(WindowHandle{});
    SdlInputSource& keys = *source;
    InputSystem input(std::move(source));
    input.SetConfig(&bindings);
    keys.InjectKey(34, true);
    input.ProcessInputData();
    EXPECT_TRUE(input.IsKeyEvent("Fire2", BUTTON_PRESSED));
}

TEST_F(Form1Test, TheGridTakesNoKeyWhileCapturing)
{
    ShowTab(1);
    QTableWidget* grid = Find<QTableWidget>("bindings");
    grid->setFocus();
    grid->setCurrentCell(4, 1); // "Roll+"
    Key(X_ENTER, Qt::Key_Return);
    Tick();
    EXPECT_TRUE(Find<QLabel>("escHint")->isVisible());
    // A letter would otherwise move the grid to the row starting with it.
    Key(X_S, Qt::Key_S, "s");
    Tick();
    EXPECT_EQ(grid->currentRow(), 4);
    EXPECT_EQ(Cell(4), "S");

    ClickCell(6, 1);
    Key(X_ESC, Qt::Key_Escape);
    Tick();
    EXPECT_FALSE(Find<QLabel>("escHint")->isVisible());
}

// The first click of a double-click starts the capture and shows "Press Esc to cancel..."; the
// second lands where the first did, on the row the player aimed at, wherever the grid stands.
TEST_F(Form1Test, ADoubleClickOnAKeyCellCapturesForTheRowClicked)
{
    ShowTab(1);
    Click(Find<QPushButton>("keyboardPage"));
    QTableWidget* grid = Find<QTableWidget>("bindings");
    const struct
    {
        int row;
        bool atEnd;                                              // the grid scrolled to its end, else to its top
    } cases[] = {{11, true}, {7, true}, {7, false}, {0, false}}; // SwitchSecondary, Fire2, Yaw+
    for (const auto& c : cases)
    {
        if (c.atEnd)
            grid->scrollToBottom();
        else
            grid->scrollToTop();
        Settle();
        const QPoint at = grid->visualItemRect(grid->item(c.row, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        Settle();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
        Settle();
        Key(X_K, Qt::Key_K, "k");
        Tick();
        EXPECT_EQ(Cell(c.row).toStdString(), "K") << "row " << c.row << (c.atEnd ? " at the end" : " at the top");
        EXPECT_FALSE(controller->Bindings().IsCapturing());
    }
}

// Where the scroll bar's thumb shows: the darker run of its track, which the player takes for the
// thumb, as a share of the track from 0 (top) to 1 (bottom). The thumb's own rectangle as the
// style places it must be that run, and filled, not only outlined.
struct DrawnThumb
{
    float first = -1, last = -1;    // the darker run
    float slider0 = 0, slider1 = 0; // the style's thumb
    QColor fill, track;             // inside the thumb's border, and of the track beside it; invalid where uneven
};

// The colour every pixel of the area has, or an invalid one where they differ.
QColor EvenColour(const QImage& image, const QRect& area)
{
    const QRgb first = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != first)
                return QColor();
    return QColor(first);
}

DrawnThumb DrawnThumbOf(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
    const QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    const QImage image = bar->grab().toImage();
    const int x = groove.center().x();
    int darkest = 255, lightest = 0;
    for (int y = groove.top(); y <= groove.bottom(); ++y)
    {
        const int lightness = QColor(image.pixel(x, y)).lightness();
        darkest = std::min(darkest, lightness);
        lightest = std::max(lightest, lightness);
    }
    const auto share = [&groove](int y) { return float(y - groove.top()) / float(groove.height()); };
    DrawnThumb thumb;
    thumb.slider0 = share(slider.top());
    thumb.slider1 = share(slider.bottom());
    // The run of the darker half: the thumb's border lines are darker still, so they count in.
    for (int y = groove.top(); y <= groove.bottom() && lightest - darkest > 16; ++y)
    {
        if (QColor(image.pixel(x, y)).lightness() >= (darkest + lightest) / 2)
            continue;
        if (thumb.first < 0)
            thumb.first = share(y);
        thumb.last = share(y);
    }
    // Clear of the border and its rounded corners; the track is the longer rest of the groove.
    const QRect inside = slider.adjusted(4, 4, -4, -4);
    thumb.fill = EvenColour(image, inside);
    const bool trackAbove = slider.top() - groove.top() > groove.bottom() - slider.bottom();
    thumb.track = EvenColour(image, QRect(QPoint(inside.left(), trackAbove ? groove.top() : slider.bottom() + 3),
                                          QPoint(inside.right(), trackAbove ? slider.top() - 3 : groove.bottom())));
    return thumb;
}

TEST_F(Form1Test, TheScrollBarsThumbShowsWhereTheGridIsScrolled)
{
    ShowTab(1);
    Click(Find<QPushButton>("keyboardPage"));
    QTableWidget* grid = Find<QTableWidget>("bindings");
    QScrollBar* bar = grid->verticalScrollBar();
    grid->setFocus();
    for (const bool toEnd : {true, false, true})
    {
        QTest::keyClick(grid, toEnd ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
        Settle();
        ASSERT_EQ(bar->value(), toEnd ? bar->maximum() : bar->minimum());
        const DrawnThumb thumb = DrawnThumbOf(bar);
        const char* where = toEnd ? "at the end" : "at the top";
        EXPECT_NEAR(toEnd ? thumb.slider1 : thumb.slider0, toEnd ? 1.0f : 0.0f, 0.02f) << where;
        // The drawn thumb is the style's thumb, give or take its border.
        EXPECT_NEAR(thumb.first, thumb.slider0, 0.02f) << where;
        EXPECT_NEAR(thumb.last, thumb.slider1, 0.02f) << where;
        // Filled darker than the track, where an outline alone would pass for the thumb above.
        ASSERT_TRUE(thumb.fill.isValid()) << where << ": the thumb is filled evenly";
        ASSERT_TRUE(thumb.track.isValid()) << where << ": the track is even";
        EXPECT_GT(thumb.track.lightness() - thumb.fill.lightness(), 16)
            << where << ": fill " << thumb.fill.name().toStdString() << ", track " << thumb.track.name().toStdString();
    }
}

TEST_F(Form1Test, ClosingAsksOnlyAboutUnsavedChanges)
{
    // Answers the question when one is asked; records that it was.
    bool asked = false;
    const auto answer = [&asked](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&asked, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            asked = true;
            EXPECT_EQ(box->text(), "Do you want to save changes?");
            box->button(button)->click();
        });
    };

    answer(QMessageBox::Cancel);
    EXPECT_TRUE(form->close());
    Wait(10);
    EXPECT_FALSE(asked);

    const std::string saved = folder.Read("config.cfg");
    const struct
    {
        QMessageBox::StandardButton button;
        bool closes;
        bool writes;
    } cases[] = {
        {QMessageBox::Cancel, false, false},
        {QMessageBox::No, true, false},
        {QMessageBox::Yes, true, true},
    };
    for (const auto& c : cases)
    {
        form->show();
        Find<QCheckBox>("fullscreen")->toggle();
        asked = false;
        answer(c.button);
        EXPECT_EQ(form->close(), c.closes);
        EXPECT_TRUE(asked);
        EXPECT_EQ(folder.Read("config.cfg") != saved, c.writes);
        EXPECT_EQ(Find<QPushButton>("apply")->isEnabled(), !c.writes);
    }
}

TEST_F(Form1Test, TheSavedModeStaysUntilThePlayerPicksAnother)
{
    // The display lists neither the saved size nor its rate.
    folder.Write("config.cfg", "Video.ScrWidth = 1024; Video.ScrHeight = 768; Video.RefreshHz = 75;");
    Open({{1280, 1024, 0, 24}, {800, 600, 0, 24}});
    QComboBox* resolution = Find<QComboBox>("resolution");
    ASSERT_EQ(resolution->count(), 3);
    EXPECT_EQ(resolution->currentText(), "1024x768");
    QPushButton* apply = Find<QPushButton>("apply");
    EXPECT_FALSE(apply->isEnabled());

    // A key alone changes no setting.
    const std::string settings = folder.Read("config.cfg");
    ShowTab(1);
    ClickCell(7, 1); // "Fire2"
    Key(X_G, Qt::Key_G, "g");
    Tick();
    ASSERT_EQ(Cell(7), "G");
    Click(apply);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(folder.Read("config.cfg"), settings);
    EXPECT_EQ(resolution->currentText(), "1024x768");

    // Another size picked is written with its rate; the saved one can still be picked back.
    ShowTab(2);
    resolution->setCurrentIndex(resolution->findText("1280x1024"));
    Click(apply);
    GameConfig game;
    EXPECT_EQ(game.video.ScrWidth, 1280);
    EXPECT_EQ(game.video.ScrHeight, 1024);
    EXPECT_EQ(game.video.RefreshHz, 0);
    EXPECT_NE(resolution->findText("1024x768"), -1);
}

TEST_F(Form1Test, TheJoystickPageSaysWhenNoneIsAttached)
{
    if (controller->Bindings().HasJoystick())
        GTEST_SKIP() << "a joystick is attached";
    ShowTab(1);
    QLabel* none = Find<QLabel>("noJoystick");
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(none->isVisible());
    Click(Find<QPushButton>("joystickPage"));
    EXPECT_TRUE(none->isVisible());
    EXPECT_EQ(none->text(), "No joystick is attached.");
    Click(Find<QPushButton>("mousePage"));
    EXPECT_FALSE(none->isVisible());
}

} // namespace
