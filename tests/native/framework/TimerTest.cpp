#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/fakes/VirtualTimers.h"

class TimerTest : public ::testing::Test {
protected:
    TVirtualTimers Clock;
    std::vector<uint64_t> Fired;
    TNotifyEvent Record{[this](TObject*) { Fired.push_back(Clock.Now()); }};
};

TEST_F(TimerTest, RunsOnlyWhenEnabledWithAnIntervalAndAHandler) {
    TTimer timer(nullptr, Clock);
    EXPECT_FALSE(timer.Running()) << "no handler yet";
    timer.SetOnTimer(Record);
    EXPECT_TRUE(timer.Running());
    Clock.Advance(3500);
    EXPECT_EQ(Fired, (std::vector<uint64_t>{1000, 2000, 3000}));
    timer.SetEnabled(false);
    Clock.Advance(5000);
    EXPECT_EQ(Fired.size(), 3u);
    timer.SetInterval(0);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Running());
}

TEST_F(TimerTest, NewIntervalRestartsTheCount) {
    TTimer timer(nullptr, Clock);
    timer.SetOnTimer(Record);
    Clock.Advance(900);
    timer.SetInterval(500);
    Clock.Advance(600);
    EXPECT_EQ(Fired, (std::vector<uint64_t>{1400}));
}

TEST_F(TimerTest, HandlerMayStopItsOwnTimerAndDestructionStopsIt) {
    auto* timer = new TTimer(nullptr, Clock);
    timer->SetInterval(4000);
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        Fired.push_back(Clock.Now());
        timer->SetEnabled(false);  // a one-shot
    }));
    Clock.Advance(20000);
    EXPECT_EQ(Fired, (std::vector<uint64_t>{4000}));
    timer->SetEnabled(true);
    delete timer;
    EXPECT_EQ(Clock.Active(), 0);
}
