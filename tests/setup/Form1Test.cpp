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
    Wait(250);
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
    Wait(250);
    EXPECT_TRUE(Find<QLabel>("escHint")->isVisible());
    // A letter would otherwise move the grid to the row starting with it.
    Key(X_S, Qt::Key_S, "s");
    Wait(250);
    EXPECT_EQ(grid->currentRow(), 4);
    EXPECT_EQ(Cell(4), "S");

    ClickCell(6, 1);
    Key(X_ESC, Qt::Key_Escape);
    Wait(250);
    EXPECT_FALSE(Find<QLabel>("escHint")->isVisible());
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
    Wait(250);
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
