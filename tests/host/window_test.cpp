#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "shell/placement.h"
#include "shell/tray_clicks.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ScaledWindowSize, GrowsOnlyWithWideScreens) {
    const struct {
        Size screen, window;
    } cases[] = {
        {{640, 480}, {610, 452}},   {{800, 600}, {610, 452}},   {{800, 768}, {610, 578}},
        {{1024, 600}, {780, 452}},  {{1024, 768}, {780, 578}},  {{1280, 1024}, {976, 771}},
        {{720, 1280}, {610, 452}},  {{800, 599}, {610, 452}},   {{801, 300}, {610, 226}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaledWindowSize(c.screen, {610, 452}), c.window)
            << c.screen.width << " x " << c.screen.height;
}

TEST(Scaling, SetsTheHeightBeforeTheWidthAndNothingWhenNotGrowing) {
    FormFixture grows;
    grows.window.screen = {1280, 1024};
    grows.form.cuangtisuofangClick();
    EXPECT_THAT(grows.log, ElementsAre("height 771", "width 976"));

    FormFixture stays;
    stays.window.screen = {720, 1280};
    stays.form.cuangtisuofangClick();
    EXPECT_THAT(stays.log, IsEmpty());
}

TEST(TrayClicks, PressAndReleaseOfTheSameButtonOnTheIcon) {
    using M = TrayMouse;
    using A = TrayAction;
    const struct {
        const char* name;
        std::vector<M> events;
        std::vector<A> actions;
    } cases[] = {
        {"left click", {M::LeftDown, M::LeftUp}, {A::None, A::Click}},
        {"middle click", {M::MiddleDown, M::MiddleUp}, {A::None, A::Click}},
        {"double click toggles once",
         {M::LeftDown, M::LeftUp, M::LeftDouble, M::LeftUp},
         {A::None, A::Click, A::None, A::None}},
        {"release without a press on the icon", {M::LeftUp, M::MiddleUp}, {A::None, A::None}},
        {"buttons do not mix", {M::LeftDown, M::MiddleUp}, {A::None, A::None}},
        {"right click opens the menu", {M::RightUp}, {A::Menu}},
    };
    for (const auto& c : cases) {
        TrayClicks clicks;
        std::vector<A> actions;
        for (M event : c.events) actions.push_back(clicks.On(event));
        EXPECT_EQ(actions, c.actions) << c.name;
    }
}

TEST(TrayStates, ClicksAndMinimizeCommandsMoveBetweenShownAndTray) {
    using S = FakeWindow::State;
    enum class Event { TrayClick, MinimizeCommand, ListDoubleClick };
    const struct {
        S from;
        Event event;
        S to;
    } cases[] = {
        {S::Shown, Event::TrayClick, S::InTray},
        {S::InTray, Event::TrayClick, S::Shown},
        {S::OnTaskbar, Event::TrayClick, S::Shown},
        {S::Shown, Event::MinimizeCommand, S::InTray},
        {S::OnTaskbar, Event::MinimizeCommand, S::InTray},
        {S::Shown, Event::ListDoubleClick, S::OnTaskbar},
    };
    for (const auto& c : cases) {
        FormFixture f;
        f.window.state = c.from;
        f.list.items = {"D:\\Soft"};
        f.list.selected = 0;
        switch (c.event) {
        case Event::TrayClick: f.form.CnTrayIcon1Click(); break;
        case Event::MinimizeCommand: f.form.MinimizeCommand(); break;
        case Event::ListDoubleClick: f.form.ListBox1DblClick(); break;
        }
        EXPECT_EQ(f.window.state, c.to) << static_cast<int>(c.from) << " " << static_cast<int>(c.event);
    }
}

TEST(TrayMenu, ExitSendsACloseRequest) {
    FormFixture f;
    f.form.N5Click();
    EXPECT_THAT(f.log, ElementsAre("close request"));
}

TEST(SkinStep, BuildsThePathByConcatenationAndReportsNothing) {
    FormFixture f;
    f.form.State().AppDir = "C:\\";
    f.form.RunCommand(&TForm1::huanpifuClick);
    EXPECT_THAT(f.log, ElementsAre("skin C:\\\\皮肤\\白兰_mxp1.skn"));
}

}  // namespace
}  // namespace qf::test
