#pragma once
// The main window: owner of every other object of the program.
#include <cstdint>
#include <memory>
#include <string>

#include "app/MainMemSystem.h"
#include "app/ProgramIdentity.h"
#include "engine/MemRecovery.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/PageControl.h"
#include "ui/Registry.h"
#include "ui/StdControls.h"

inline const std::string ProgramVersion = TORVANE_VERSION_TEXT;
inline const std::string SettingsKey = "\\Software\\Torvane XP\\settings";

class TfMainMem : public TForm {
public:
    TfMainMem(TComponent* AOwner, TApplication& Application, TMainMemSystem& System);
    ~TfMainMem() override;
    const char* ClassName() const override { return TORVANE_MAIN_CLASS; }

    TImage* Image2;
    TPageControl* Memoire;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet3;
    TTabSheet* TabSheet5;
    TTabSheet* TabSheet4;
    TTabSheet* TabSheet2;
    TLabel* Label2;
    TButton* SkinButton4;
    TMemRecovery* MemRecovery1;

    // Window-wide state.
    std::unique_ptr<TRegistry> SettingsRegistry;
    int64_t InstalledMB = 0;
    int64_t CpuSamples = 0;
    bool DefragRunning = false;

    void exit_appli();
    void SaveSettings();
    void SkinButton4Click(TObject* Sender);

    bool WndProc(TMessage& Message, intptr_t& Result) override;
    void WMUser();
    intptr_t WMQueryEndSession();
    void WMEndSession(bool SessionEnds);

protected:
    void FormCreate() override;
    void FormDestroy() override;

private:
    void CreateControls();
    void LoadCaptionPicture();

    TMainMemSystem& FSystem;
};
