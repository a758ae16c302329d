// The processor page: what the identification found, written once at the
// window's creation.
#include "app/Umain.h"

#include <string>

#include "cpu/CpuFeatureTable.h"
#include "cpu/CpuPageFigures.h"

void TfMainMem::ShowVendorLogo() {
    const std::pair<const char*, TImage*> logos[] = {
        {"Advanced Micro Devices", LogoAMD}, {"Cyrix Corporation", LogoCyrix}, {"Intel Corporation", LogoIntel}};
    for (auto [vendor, logo] : logos)
        if (CpuInfo1->Vendor() == vendor) {
            logo->SetVisible(true);
            return;
        }
}

void TfMainMem::GetCpuInfo() {
    TCpuidAPI processor(FSystem.Cpu);
    const TCpuPageFigures shown = CpuPageFigures(*CpuInfo1, processor);
    lblName->SetCaption(shown.Name);
    LblMMX->SetCaption(CpuInfo1->MMX() ? "MMX Instructions Supportées" : "MMX Instructions pas supported");
    lblSIMD->SetCaption(CpuInfo1->FeatureSet().SIMD() ? "SIMD Instructions Supportées"
                                                      : "SIMD Instructions pas supportées");
    lbl3DNow->SetCaption(CpuInfo1->FeatureSetEx().AMD3DNow() ? "3DNow! Instructions Supportées"
                                                             : "3DNow! Instructions pas supportées");
    const TCacheSizes& cache = shown.Caches;
    const std::pair<TLabel*, int32_t> sizes[] = {
        {lblL1Code, cache.L1Code}, {lblL1Data, cache.L1Data}, {lblLevel1, cache.Level1}, {lblLevel2, cache.Level2}};
    for (auto [label, kilobytes] : sizes) label->SetCaption(std::to_string(kilobytes) + " Kb");
    ListView1->BeginUpdate();
    for (const TCpuFeatureRow& row : CpuFeatureTable) AddFeature2(row.Code, row.Description, row.Supported(*CpuInfo1));
    ListView1->EndUpdate();
}

void TfMainMem::AddFeature2(const std::string& Name, const std::string& Description, bool Ok) {
    AddFeatureRow(*ListView1, Name, Description, Ok);
}
