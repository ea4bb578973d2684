#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

const int ModemImageIndex = 5;
const int ModemClassInstances = 6;
const wchar_t* const ModemClass = L"{4D36E96D-E325-11CE-BFC1-08002BE10318}";

enum class TModemKey { Class, Settings };

struct TModemFact {
    const wchar_t* Caption;
    TModemKey Key;
    const wchar_t* ValueName;
    bool EmptyIsNotAvailable;
};

const TModemFact ModemFacts[] = {
    {L"Name", TModemKey::Class, L"FriendlyName", false},
    {L"Description", TModemKey::Class, L"DriverDesc", false},
    {L"Attached To", TModemKey::Class, L"AttachedTo", false},
    {L"Provider Name", TModemKey::Class, L"ProviderName", false},
    {L"Modem INF Path", TModemKey::Class, L"InfPath", false},
    {L"Modem INF Section", TModemKey::Class, L"InfSection", false},
    {L"Blind Off", TModemKey::Settings, L"Blind_Off", true},
    {L"Blind On", TModemKey::Settings, L"Blind_On", true},
    {L"Compression Off", TModemKey::Settings, L"Compression_Off", true},
    {L"Compression On", TModemKey::Settings, L"Compression_On", true},
    {L"Error Control Forced", TModemKey::Settings, L"ErrorControl_Forced", true},
    {L"Error Control Off", TModemKey::Settings, L"ErrorControl_Off", true},
    {L"Error Control On", TModemKey::Settings, L"ErrorControl_On", true},
    {L"Flow Control Hard", TModemKey::Settings, L"FlowControl_Hard", true},
    {L"Flow Control Off", TModemKey::Settings, L"FlowControl_Off", true},
    {L"Flow Control Soft", TModemKey::Settings, L"FlowControl_sOft", true},
    {L"Default", TModemKey::Class, L"Default", true},
    {L"Inactivity Timeout", TModemKey::Settings, L"InactivityTimeout", true},
    {L"Modulation Bell", TModemKey::Settings, L"Modulation_Bell", true},
    {L"Modulation CCITT", TModemKey::Settings, L"Modulation_CCITT", true},
    {L"Prefix", TModemKey::Settings, L"Prefix", true},
    {L"Pulse", TModemKey::Settings, L"Pulse", true},
    {L"Reset", TModemKey::Class, L"Reset", true},
    {L"Responses Key Name", TModemKey::Class, L"ResponsesKeyName", true},
    {L"Speaker Mode Dial", TModemKey::Settings, L"SpeakerMode_Dial", true},
    {L"Speaker Mode Off", TModemKey::Settings, L"SpeakerMode_Off", true},
    {L"Speaker Mode On", TModemKey::Settings, L"SpeakerMode_On", true},
    {L"Speaker Mode Setup", TModemKey::Settings, L"SpeakerMode_Setup", true},
    {L"Speaker Volume High", TModemKey::Settings, L"SpeakerVolume_High", true},
    {L"Speaker Volume Low", TModemKey::Settings, L"SpeakerVolume_Low", true},
    {L"Speaker Volume Med", TModemKey::Settings, L"SpeakerVolume_Med", true},
    {L"Terminator", TModemKey::Settings, L"Terminator", true},
    {L"Tone", TModemKey::Settings, L"Tone", true},
};

TInfoRow ModemFactRow(const TModemFact& fact, const TRegTextSource& registry,
                      const std::wstring& classKey) {
    const std::wstring key = fact.Key == TModemKey::Class ? classKey : classKey + L"\\Settings";
    const std::wstring value = registry(HKEY_LOCAL_MACHINE, key, fact.ValueName);
    return DataRow(fact.Caption,
                   value.empty() && fact.EmptyIsNotAvailable ? L"Not Available" : value);
}

} // namespace

std::vector<TInfoRow> ModemPageRows(const TModemPageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"Modem", ModemImageIndex)};
    for (int n = 0; n < ModemClassInstances; ++n) {
        const std::wstring classKey = ClassInstanceKey(ModemClass, n);
        if (sources.Registry(HKEY_LOCAL_MACHINE, classKey, L"FriendlyName").empty())
            continue;
        if (n != 0)
            rows.push_back(BlankRow());
        for (const TModemFact& fact : ModemFacts)
            rows.push_back(ModemFactRow(fact, sources.Registry, classKey));
    }
    return rows;
}

void TForm1::Action6Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, ModemPageRows(ModemSources), TFirstRow::Selected);
}

} // namespace corvane
