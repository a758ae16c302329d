// The monitoring cycle on a virtual clock: what each tick shows, the
// processor average, the triggers and their conditions, the refresh rate.
#include <cstdio>
#include <cstring>

#include "tests/fakes/PerfDataBuilder.h"
#include "tests/fakes/RecordingCanvas.h"
#include "tests/native/app/MainWindowFixture.h"
#include "ui/Locale.h"

namespace {
class MonitoringTest : public MainWindowTest {
protected:
    // 100 MB installed, Percent of it free; a run asks for one megabyte.
    void CreateWithFree(int Percent) {
        Create(100 * MB);
        SetFree(Percent * MB);
        Form->RadioButton2->SetChecked(true);
        Form->TrackBar1->SetPosition(1);
    }
    void SetFree(uint64_t Bytes) { Memory.Status.AvailPhys = Bytes; }
    // Processor instance 0 idle for IdleShare of one second, that second later.
    void NextCpuSample(double IdleShare) {
        Idle += static_cast<int64_t>(IdleShare * 10'000'000);
        Performance.Data = TPerfDataBuilder(PerfTimeAt(++Second)).Processor({Idle}).Build().Bytes;
    }
    int64_t Idle = 0;
    uint16_t Second = 0;
};
}  // namespace

TEST_F(MonitoringTest, TheTrayColourFollowsTheFreePercentage) {
    const std::pair<int, TColor> cases[] = {{25, clRed}, {26, clYellow}, {45, clYellow}, {46, clLime}};
    for (auto [percent, colour] : cases) {
        CreateWithFree(percent);
        Form->Timer1Timer(Form);
        EXPECT_EQ(Form->FreePercent, percent);
        EXPECT_EQ(Form->TrayIcon1->Color(), colour) << percent;
        EXPECT_EQ(Form->Gauge1->Position(), percent);
    }
}

TEST_F(MonitoringTest, EachTickShowsTheReadingAndOnlyAChangedOneTouchesTheIcon) {
    Create(512 * MB);
    EXPECT_EQ(Form->BoldLabel3->Caption(), "0 MB");
    SetFree(123'456'789);  // 117.74 MB
    Form->Timer1Timer(Form);
    EXPECT_EQ(Form->TrayIcon1->Text(), "118");
    EXPECT_EQ(Form->TrayIcon1->Hint(), "RAM Libre : 118 MB sur 512 MB RAM Installée");
    EXPECT_EQ(Form->BoldLabel3->Caption(), "118 MB");

    Form->TrayIcon1->SetText("x");
    Form->TrayIcon1->SetColor(clBlack);
    Form->TrayIcon1->SetHint("");
    Form->BoldLabel3->SetCaption("");
    Form->Gauge1->SetPosition(99);
    TBitmap before;
    before.Assign(Form->PerfChart1->Picture());
    Form->Timer1Timer(Form);  // the same bytes as before
    EXPECT_EQ(Form->TrayIcon1->Text(), "x");
    EXPECT_EQ(Form->TrayIcon1->Color(), clBlack);
    EXPECT_EQ(Form->TrayIcon1->Hint(), "RAM Libre : 118 MB sur 512 MB RAM Installée");
    EXPECT_EQ(Form->BoldLabel3->Caption(), "118 MB");
    EXPECT_EQ(Form->Gauge1->Position(), 23);
    EXPECT_NE(std::memcmp(before.ScanLine(0), Form->PerfChart1->Picture().ScanLine(0), 241 * 97 * 4), 0)
        << "the chart scrolls at every tick";

    SetFree(600'000'000'000);  // 572,205 MB: 559 GB in the tray, the exact megabytes elsewhere
    Form->Timer1Timer(Form);
    EXPECT_EQ(Form->TrayIcon1->Text(), "559");
    EXPECT_EQ(Form->TrayIcon1->Hint(), "RAM Libre : 572205 MB sur 512 MB RAM Installée");
    EXPECT_EQ(Form->BoldLabel3->Caption(), "572205 MB");
}

// Each unit's first figures, and either side of 9.95 GB: the figure is drawn
// whole inside the icon's square.
TEST_F(MonitoringTest, TheTrayFigureIsDrawnWholeInsideTheSquare) {
    SetDecimalSeparator(',');
    const std::pair<uint64_t, const char*> cases[] = {
        {0, "0"},       {999, "999"},  {1'000, "1,0"}, {1'023, "1,0"},        {10'188, "9,9"},
        {10'189, "10"}, {10'240, "10"}, {23'750, "23"}, {1'048'576, "1T"},
    };
    for (auto [megabytes, figure] : cases) {
        SCOPED_TRACE(megabytes);
        Create(2 * 1'048'576 * MB);
        SetFree(megabytes * MB);
        Form->Timer1Timer(Form);
        EXPECT_EQ(Form->TrayIcon1->Text(), figure);
        TRecordingCanvas canvas(16, 16);
        Form->TrayIcon1->PaintText(canvas);
        const std::vector<std::string> texts = canvas.TextCalls();
        ASSERT_EQ(texts.size(), 1u);
        const std::string drawn = std::string("\"") + figure + "\" Arial -9 bold #000000";
        EXPECT_NE(texts[0].find(drawn), std::string::npos) << texts[0];
        int x = -1, y = -1;
        std::sscanf(texts[0].c_str(), "Text (%d,%d)", &x, &y);
        const TSize size = canvas.TextExtent(figure);
        EXPECT_TRUE(x >= 0 && y >= 0 && x + size.Width <= 16 && y + size.Height <= 16) << texts[0];
    }
    SetDecimalSeparator('.');
}

TEST_F(MonitoringTest, TheAverageIsThePlainMeanOfEverySampleAndFailuresFallBack) {
    Create(512 * MB);
    NextCpuSample(0);
    Sampler->SampleCpu();  // the sample before the first tick
    NextCpuSample(0.9);    // 10 % busy
    Form->Timer2Timer(Form);
    EXPECT_EQ(Form->CpuPercent, 10);
    EXPECT_EQ(Form->CpuGauge1->Position(), 10);
    EXPECT_EQ(Form->CpuGauge2->Position(), 10) << "the first tick is its own average";
    NextCpuSample(0.8);
    Form->Timer2Timer(Form);
    EXPECT_EQ(Form->CpuGauge1->Position(), 20);
    EXPECT_EQ(Form->CpuGauge2->Position(), 15);
    NextCpuSample(-0.5);  // a counter that ran backwards says 150 %: held at 100
    Form->Timer2Timer(Form);
    EXPECT_EQ(Form->CpuPercent, 100);

    Performance.Data = TPerfDataBuilder(PerfTimeAt(++Second)).Other().Build().Bytes;  // no processor object
    Form->Timer2Timer(Form);
    EXPECT_EQ(Form->CpuPercent, 0) << "the estimate, with no idle source, claims nothing";
    EXPECT_EQ(Form->CpuSamples, 5);
}

TEST_F(MonitoringTest, TheAlarmTriggerNeedsLowMemoryAndAQuietProcessor) {
    struct TCase {
        int Free, Alarm, Cpu, Ceiling;
        bool On, Runs;
    };
    const TCase cases[] = {
        {34, 35, 15, 15, true, true},   {35, 35, 15, 15, true, false}, {34, 35, 16, 15, true, false},
        {0, 0, 0, 15, true, false},     {34, 35, 15, 15, false, false}, {99, 100, 100, 100, true, true},
    };
    for (const TCase& c : cases) {
        CreateWithFree(c.Free);
        Form->Timer1Timer(Form);
        Form->SpinEdit1->SetValue(c.Alarm);
        Form->SpinEdit3->SetValue(c.Ceiling);
        Form->CheckBox3->SetChecked(c.On);
        Form->CpuPercent = c.Cpu;
        const int before = Memory.Commits();
        Form->Timer3Timer(Form);
        EXPECT_EQ(Memory.Commits() > before, c.Runs) << c.Free << "% free, alarm " << c.Alarm << ", cpu " << c.Cpu;
    }
}

TEST_F(MonitoringTest, TheIntervalTriggerFollowsItsBoxAndItsMinutes) {
    CreateWithFree(80);
    for (TTimer* fast : {Form->Timer1, Form->Timer2, Form->Timer3}) fast->SetEnabled(false);  // only Timer5 runs
    EXPECT_FALSE(Form->Timer5->Running());
    Form->CheckBox5->SetChecked(true);  // the keyboard's change arms it too
    EXPECT_TRUE(Form->Timer5->Running());
    EXPECT_EQ(Form->Timer5->Interval(), 45u * 60'000);
    Form->CpuPercent = 10;
    Windows.Clock.Advance(45 * 60'000);
    EXPECT_EQ(Memory.Commits(), 1);
    Form->CpuPercent = 16;  // above the ceiling: that chance is lost
    Windows.Clock.Advance(45 * 60'000);
    EXPECT_EQ(Memory.Commits(), 1);

    const std::pair<int, uint32_t> minutes[] = {{1, 60'000u}, {0, 0u}, {-5, 0u}, {100'000, 2'147'483'647u}};
    for (auto [value, interval] : minutes) {
        Form->SpinEdit2->SetValue(value);
        EXPECT_EQ(Form->Timer5->Interval(), interval) << value;
        EXPECT_EQ(Form->Timer5->Running(), interval > 0) << value;
    }
    Form->CheckBox5->SetChecked(false);
    EXPECT_FALSE(Form->Timer5->Enabled());
    EXPECT_FALSE(Form->SpinEdit2->Enabled());
}

TEST_F(MonitoringTest, TheWindowHidesItselfOnceFourSecondsAfterStart) {
    Create(512 * MB);
    Form->Show();
    Windows.Clock.Advance(3'999);
    EXPECT_TRUE(Form->Visible());
    Windows.Clock.Advance(1);
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(Form->TrayIcon1->IconVisible());
    Form->Show();
    Windows.Clock.Advance(8'000);
    EXPECT_TRUE(Form->Visible()) << "once only";
}

TEST_F(MonitoringTest, TheRateMenuTimesBothFastTicksAndChecksOneItem) {
    Create(512 * MB);
    EXPECT_TRUE(Form->Normale1->Checked());
    const std::tuple<TMenuItem*, uint32_t> rates[] = {{Form->Haute1, 500}, {Form->Basse1, 2000}, {Form->Normale1, 1000}};
    for (auto [item, interval] : rates) {
        Windows.ChooseFromMenu = [item = item](TPopupMenu&, int, int) { return item; };
        EXPECT_TRUE(Form->PerfChart1->ContextPopup(10, 10));
        EXPECT_EQ(Form->Timer1->Interval(), interval);
        EXPECT_EQ(Form->Timer2->Interval(), interval);
        EXPECT_EQ(Form->Timer3->Interval(), 30'000u);
        for (TMenuItem* other : {Form->Basse1, Form->Normale1, Form->Haute1}) EXPECT_EQ(other->Checked(), other == item);
    }
}

TEST_F(MonitoringTest, ChangingTheAlarmLevelClearsTheChart) {
    Create(512 * MB);
    TBitmap empty;
    empty.Assign(Form->PerfChart1->Picture());
    for (int i = 0; i < 5; ++i) Form->Timer1Timer(Form);
    Form->SpinEdit1->SetValue(40);
    EXPECT_EQ(std::memcmp(empty.ScanLine(0), Form->PerfChart1->Picture().ScanLine(0), 241 * 97 * 4), 0);
}
