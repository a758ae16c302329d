#include "history/RunRecord.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {
const char* TriggerText(TRunTrigger Trigger) {
    switch (Trigger) {
        case rtAlarm: return "alarme";
        case rtInterval: return "intervalle";
        case rtCommandLine: return "ligne de commande";
        default: return "manuel";
    }
}

const char* OutcomeText(TRunOutcome Outcome) {
    switch (Outcome) {
        case roCancelled: return "annulé";
        case roFailed: return "échec";
        default: return "terminé";
    }
}

std::string Format(const char* Pattern, int A, int B, int C) {
    char text[40];
    std::snprintf(text, sizeof text, Pattern, A, B, C);
    return text;
}
}  // namespace

const char* const HistoryHeader =
    "date;heure;déclencheur;méthode;cible MB;libre avant MB;libre après MB;libre plus tard MB;"
    "secondes attendues;libérés MB;revenus MB;durée ms;issue\r\n";

std::optional<int64_t> TRunRecord::ComeBackMB() const {
    if (!Later) return std::nullopt;
    return std::max<int64_t>(FreeAfterMB - Later->FreeMB, 0);
}

std::string HistoryLine(const TRunRecord& R) {
    const std::optional<int64_t> back = R.ComeBackMB();
    const std::string fields[] = {
        Format("%04d-%02d-%02d", R.Start.Year, R.Start.Month, R.Start.Day),
        Format("%02d:%02d:%02d", R.Start.Hour, R.Start.Minute, R.Start.Second),
        TriggerText(R.Trigger),
        R.Method,
        std::to_string(R.TargetMB),
        std::to_string(R.FreeBeforeMB),
        std::to_string(R.FreeAfterMB),
        R.Later ? std::to_string(R.Later->FreeMB) : "",
        R.Later ? std::to_string(R.Later->Seconds) : "",
        std::to_string(R.FreedMB()),
        back ? std::to_string(*back) : "",
        std::to_string(R.DurationMs),
        OutcomeText(R.Outcome),
    };
    std::string line = fields[0];
    for (size_t i = 1; i < std::size(fields); ++i) line += ";" + fields[i];
    return line + "\r\n";
}

std::string LastRunLine(const TRunRecord& Record) {
    std::string line = "Dernière optimisation : " + std::to_string(Record.FreedMB()) + " MB libérés";
    if (Record.Later && Record.Later->Seconds >= 60)
        line += ", " + std::to_string(*Record.ComeBackMB()) + " MB revenus en 60 s";
    return line;
}
