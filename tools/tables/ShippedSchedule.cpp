#include "ShippedTables.h"

#include "schedule/ScheduleTable.h"

#include <cmath>

namespace {

constexpr int Default = -1; // the interval comes from the settings

const char* const Job = "アルバイトアラーム";
const char* const Knight = "騎士アラーム";
const char* const Furetta = "フレッタアラーム";

struct TEvent {
    const char* Area; // "" for every area
    int Hour;
    int Minutes;
    const char* Place;
    const char* Memo;
    int Before; // minutes, or Default
    int After;  // minutes, or Default
    const char* AlarmName;
    bool InVersion12; // shipped already by the version before
};

// The recurring events of the game day. The entries for every area cover the whole day
// together, so the list always has something due whatever the chosen area.
const TEvent Events[] = {
    {"", 18, 0, "ムーンゲート",
     "ムーンゲートが開きます\r\n行き先はリストの「ムーンゲート」の行を見てね", 60, 719, Knight,
     true},
    {"", 7, 0, "各町のNPC",
     "アルバイトの受付が始まります\r\n町のNPCに話しかけてアルバイトを受けよう", 60, 660, Job, true},
    {"", 0, 0, "プライスの居場所",
     "プライスが次の場所へ移りました\r\n居場所はリストの「プライス」の行を見てね", 0, 60, Job,
     true},
    {"", 6, 0, "どこでも", "夜が明けます\r\nムーンゲートが閉じて、夜のモンスターがいなくなります",
     30, 30, Knight, true},
    {"ティルコネイル", 7, 0, "ケイティンの食料品店", "食料品店のアルバイト（配達・小麦粉集め）",
     Default, Default, Job, true},
    {"ティルコネイル", 7, 0, "ファーガスの鍛冶屋", "鍛冶屋のアルバイト（鉄鉱石集め）", Default,
     Default, Job, true},
    {"ティルコネイル", 12, 0, "エンデリオンの教会", "教会のアルバイト（卵集め・麦刈り）", Default,
     Default, Job, true},
    {"ティルコネイル", 12, 0, "ディリスの薬草店", "薬草店のアルバイト（薬草摘み）", Default,
     Default, Job, true},
    {"ティルコネイル", 10, 0, "村の広場",
     "フレッタが村に姿を見せます\r\n気まぐれなので来ない日もあるよ", 30, 60, Furetta, true},
    {"ティルコネイル", 20, 0, "北の見張り台", "トレボーが夜の見回りに出かけます", 30, 90, Knight,
     true},
    {"ダンバートン", 7, 0, "ウォルターの雑貨屋", "雑貨屋のアルバイト（品物の配達）", Default,
     Default, Job, true},
    {"ダンバートン", 7, 0, "サイモンの洋服屋", "洋服屋のアルバイト（布・糸集め）", Default, Default,
     Job, true},
    {"ダンバートン", 12, 0, "マヌスの治療所", "治療所のアルバイト（包帯・薬草集め）", Default,
     Default, Job, true},
    {"ダンバートン", 13, 0, "アイリーンの書店", "書店のアルバイト（本の配達）", Default, 150, Job,
     true},
    {"ダンバートン", 15, 0, "南門の近く", "フレッタが町はずれに現れます", 30, 90, Furetta, true},
    {"ダンバートン", 21, 0, "町の広場", "騎士団の夜回りが始まります", 30, 120, Knight, true},
    {"バンホール", 7, 0, "エデルンの鍛冶屋", "鍛冶屋のアルバイト（鉱石の運搬）", Default, Default,
     Job, true},
    {"バンホール", 12, 0, "ジェニファーの酒場", "酒場のアルバイト（料理の材料集め）", Default,
     Default, Job, true},
    {"バンホール", 22, 0, "バリダンジョンの入口", "夜の鉱山では珍しい鉱石が掘れるかも", 60, 240,
     Job, true},
    {"イメンマハ", 7, 0, "郵便局", "郵便局のアルバイト（手紙の配達）", Default, Default, Job, true},
    {"イメンマハ", 12, 0, "食料品店", "食料品店のアルバイト（食材集め）", Default, Default, Job,
     false},
    {"イメンマハ", 19, 0, "劇場", "劇場の夜の公演が始まります", 60, 120, Job, false},
    {"イメンマハ", 6, 0, "城門", "騎士団の交代です", 30, 60, Knight, false},
    {"センマイ平原", 18, 0, "見張り塔", "夜はオオカミが増えます。気をつけてね", 30, 240, Knight,
     false},
    {"ラノ地域", 7, 0, "ベースキャンプ", "キャンプのアルバイト（発掘品の運搬）", Default, Default,
     Job, false},
    {"ラノ地域", 12, 30, "砂漠の入口", "昼の砂漠は暑くて大変。水を持っていこう", 30, 120, Furetta,
     false},
};

void SetInterval(TClientDataSet& table, const char* hourField, const char* minutesField,
                 int minutes) {
    if (minutes == Default)
        return; // both fields stay null
    table.FieldByName(hourField).SetAsInteger(minutes / 60);
    table.FieldByName(minutesField).SetAsInteger(minutes % 60);
}

void SetCommon(TClientDataSet& table, const TEvent& e) {
    table.FieldByName("Hour").SetAsInteger(e.Hour);
    table.FieldByName("Minutes").SetAsInteger(e.Minutes);
    table.FieldByName("Area").SetAsString(e.Area);
    table.FieldByName("Memo").SetAsString(e.Memo);
    table.FieldByName("Place").SetAsString(e.Place);
    table.FieldByName("CheckVisible").SetAsBoolean(true);
    table.FieldByName("SystemCheck").SetAsBoolean(true);
    table.FieldByName("AlarmName").SetAsString(e.AlarmName);
}

// The settings' defaults: one game hour before, three after.
void StoreDefaultWindows(TClientDataSet& table) {
    StoreScheduleWindows(table, 1.0, 0, 3.0, 0);
}

void WriteCurrent(const std::string& file) {
    TClientDataSet table;
    table.CreateDataSet(ScheduleTableFields());
    for (const TEvent& e : Events) {
        table.Append();
        SetCommon(table, e);
        SetInterval(table, "StartHour2", "StartMinutes", e.Before);
        SetInterval(table, "EndHour2", "EndMinutes", e.After);
        table.Post();
    }
    StoreDefaultWindows(table);
    table.MergeChangeLog();
    table.SaveToFile(file);
}

// Version 12 kept the intervals as real numbers of hours, in half hours, and had no running
// windows.
std::vector<TFieldDef> Version12Fields() {
    std::vector<TFieldDef> fields;
    for (TFieldDef& f : ScheduleTableFields()) {
        if (f.Name == "StartHour2")
            fields.push_back({"StartHour", TFieldType::Float});
        else if (f.Name == "EndHour2")
            fields.push_back({"EndHour", TFieldType::Float});
        else if (f.Name != "StartMinutes" && f.Name != "EndMinutes" && f.Name.rfind("Just", 0) != 0)
            fields.push_back(std::move(f));
    }
    return fields;
}

void SetHalfHours(TClientDataSet& table, const char* field, int minutes) {
    if (minutes != Default)
        table.FieldByName(field).SetAsFloat(std::round(minutes / 30.0) / 2.0);
}

void WriteVersion12(const std::string& file) {
    TClientDataSet table;
    table.CreateDataSet(Version12Fields());
    for (const TEvent& e : Events) {
        if (!e.InVersion12)
            continue;
        table.Append();
        SetCommon(table, e);
        SetHalfHours(table, "StartHour", e.Before);
        SetHalfHours(table, "EndHour", e.After);
        table.Post();
    }
    table.MergeChangeLog();
    table.SaveToFile(file);
}

} // namespace

void WriteScheduleTables(const std::string& folder) {
    WriteCurrent(folder + "DefaultDB/YorraPDA13.xml");
    WriteVersion12(folder + "OldDefaultDB/YorraPDA12.xml");
}
