// The installer's message box: through a test presenter, and once as a real
// box on the display that a helper thread finds and answers.
#include "environment/ShowMessage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "environment/InstallEnv.h"

namespace {

struct Shown {
    int count = 0;
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT style = 0;
};

class ShowMessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = setup::SetMessagePresenter(
            [this](HWND owner, const std::string& text, const std::string& caption, UINT style) {
                ++m_shown.count;
                m_shown.owner = owner;
                m_shown.text = text;
                m_shown.caption = caption;
                m_shown.style = style;
                return IDRETRY;
            });
    }
    void TearDown() override {
        setup::SetMessagePresenter(m_previous);
        SetInstallEnv(nullptr);
    }

    Shown m_shown;
    setup::MessagePresenter m_previous;
};

TEST_F(ShowMessageTest, PresenterGetsTheMessageAndGivesTheAnswer) {
    const HWND owner = GetDesktopWindow();
    EXPECT_EQ(IDRETRY, setup::ShowMessage(owner, "Disk full", "Installer", MB_OK | MB_ICONSTOP));
    EXPECT_EQ(1, m_shown.count);
    EXPECT_EQ(owner, m_shown.owner);
    EXPECT_EQ("Disk full", m_shown.text);
    EXPECT_EQ("Installer", m_shown.caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), m_shown.style);
}

TEST_F(ShowMessageTest, RightAlignAddsRightToLeftReading) {
    CInstallEnv env;
    SetInstallEnv(&env);
    setup::ShowMessage(nullptr, "text", "caption", MB_YESNO);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), m_shown.style);

    env.GetOptions().rightAlign = true;
    setup::ShowMessage(nullptr, "text", "caption", MB_YESNO);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_RTLREADING), m_shown.style);
}

TEST_F(ShowMessageTest, ReplacingThePresenterHandsBackThePreviousOne) {
    int calls = 0;
    setup::MessagePresenter mine = [&calls](HWND, const std::string&, const std::string&, UINT) {
        ++calls;
        return IDOK;
    };
    setup::MessagePresenter fixture = setup::SetMessagePresenter(mine);
    ASSERT_TRUE(fixture);
    setup::ShowMessage(nullptr, "a", "b", MB_OK);
    EXPECT_EQ(1, calls);
    EXPECT_EQ(0, m_shown.count);
    // Putting the fixture's back gives back mine.
    setup::MessagePresenter back = setup::SetMessagePresenter(fixture);
    ASSERT_TRUE(back);
    back(nullptr, "", "", 0);
    EXPECT_EQ(2, calls);
}

// Finds the message box with the caption (a dialog of class "#32770" in this
// process), reads it and presses its OK button. Gives up after ten seconds
// and then cancels every dialog of the showing thread, so that a box it did
// not recognise cannot hang the test.
class BoxAnswerer {
public:
    BoxAnswerer(std::string caption, DWORD showingThread)
        : m_caption(std::move(caption)), m_thread([this, showingThread] { Run(showingThread); }) {}
    ~BoxAnswerer() { m_thread.join(); }

    std::string text;
    std::string caption;
    std::atomic<bool> found{false};

private:
    void Run(DWORD showingThread) {
        for (int i = 0; i < 200; ++i) {
            const HWND box = FindWindowA("#32770", m_caption.c_str());
            if (box != nullptr) {
                char buffer[256] = {};
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
                text = buffer;
                GetWindowTextA(box, buffer, sizeof(buffer));
                caption = buffer;
                found = true;
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return;
            }
            Sleep(50);
        }
        EnumThreadWindows(
            showingThread,
            [](HWND window, LPARAM) -> BOOL {
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            },
            0);
    }

    std::string m_caption;
    std::thread m_thread;
};

TEST(ShowMessageBox, RealBoxIsShownAndAnswered) {
    setup::SetMessagePresenter({});
    const std::string caption = "Setup Test Box " + std::to_string(GetCurrentProcessId());
    int answer = 0;
    {
        BoxAnswerer answerer(caption, GetCurrentThreadId());
        // OK is not the default button: only the answerer's press gives IDOK.
        answer = setup::ShowMessage(nullptr, "The available Disk space is not enough.", caption,
                                    MB_OKCANCEL | MB_DEFBUTTON2);
        EXPECT_TRUE(answerer.found) << "no box with the caption appeared";
        EXPECT_EQ("The available Disk space is not enough.", answerer.text);
        EXPECT_EQ(caption, answerer.caption);
    }
    EXPECT_EQ(IDOK, answer);
}

}  // namespace
