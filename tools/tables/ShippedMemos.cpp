#include "ShippedTables.h"

#include "memo/MemoTables.h"

#include "storage/ClientDataSet.h"

#include <optional>

namespace {

struct TPoint {
    int X, Y;
};

struct TMemo {
    const char* Group;
    const char* Text; // the first line is the title
    const char* Url;
    const char* Area; // "" for none
    const char* MapTitle;
    std::optional<TPoint> Label;
    std::optional<TPoint> Point;
    bool AlwaysDisplays;
    int FontSize;
    bool InVersion16; // shipped already by the version before
};

const char* const Npc = "NPC";
const char* const Place = "地名";
const char* const Search = "検索サイト";
const char* const Web = "Webサイト";

// Labels sit just above their point, so that the text does not hide the spot.
const TMemo Memos[] = {
    {Search,
     "Googleで検索（UTF-8）\r\n検索もじもじをUTF-8にしてGoogleで調べます",
     "https://www.google.co.jp/search?ie=UTF-8&q=[検索文字列UTF8]",
     "",
     "",
     {},
     {},
     false,
     8,
     true},
    {Search,
     "Googleで検索（Shift_JIS）\r\n検索もじもじをShift_JISにしてGoogleで調べます",
     "https://www.google.co.jp/search?ie=Shift_JIS&q=[検索文字列SJIS]",
     "",
     "",
     {},
     {},
     false,
     8,
     true},
    {Search,
     "Googleで検索（EUC-JP）\r\n検索もじもじをEUC-JPにしてGoogleで調べます",
     "https://www.google.co.jp/search?ie=EUC-JP&q=[検索文字列EUCJP]",
     "",
     "",
     {},
     {},
     false,
     8,
     true},
    {Search,
     "Wikipediaで検索\r\n言葉の意味を百科事典で調べます",
     "https://ja.wikipedia.org/w/index.php?search=[検索文字列UTF8]",
     "",
     "",
     {},
     {},
     false,
     8,
     false},
    {Web,
     "マビノギ公式サイト\r\nお知らせ、イベント、アップデート情報",
     "https://mabinogi.nexon.co.jp/",
     "",
     "",
     {},
     {},
     false,
     8,
     true},
    {Web,
     "ネクソン\r\nゲームの運営会社",
     "https://www.nexon.co.jp/",
     "",
     "",
     {},
     {},
     false,
     8,
     true},

    {Npc, "ダンカン\r\nティルコネイルの村長。最初のクエストをくれる", "", "ティルコネイル",
     "ダンカン", TPoint{320, 184}, TPoint{320, 200}, false, 9, true},
    {Npc, "ケイティン\r\n食料品店。パンや小麦粉を売っている", "", "ティルコネイル", "ケイティン",
     TPoint{420, 294}, TPoint{420, 310}, false, 9, true},
    {Npc, "ファーガス\r\n鍛冶屋。武器と防具の修理", "", "ティルコネイル", "ファーガス",
     TPoint{200, 334}, TPoint{200, 350}, false, 9, true},
    {Npc, "ディリス\r\n薬草店。ポーションと包帯", "", "ティルコネイル", "ディリス",
     TPoint{460, 174}, TPoint{460, 190}, false, 9, true},
    {Npc, "エンデリオン\r\n教会。麦刈りや卵集めのアルバイト", "", "ティルコネイル", "エンデリオン",
     TPoint{300, 84}, TPoint{300, 100}, false, 9, true},
    {Npc, "ラナルド\r\n学校の先生。戦闘スキルを教えてくれる", "", "ティルコネイル", "ラナルド",
     TPoint{150, 214}, TPoint{150, 230}, false, 9, true},
    {Npc, "トレボー\r\n北の見張り台の守衛", "", "ティルコネイル", "トレボー", TPoint{340, 44},
     TPoint{340, 60}, false, 9, false},
    {Npc, "ウォルター\r\n雑貨屋。無口な店主", "", "ダンバートン", "ウォルター", TPoint{400, 194},
     TPoint{400, 210}, false, 9, true},
    {Npc, "サイモン\r\n洋服屋。おしゃれな服がそろっている", "", "ダンバートン", "サイモン",
     TPoint{230, 174}, TPoint{230, 190}, false, 9, true},
    {Npc, "マヌス\r\n治療所。元気な治療師", "", "ダンバートン", "マヌス", TPoint{440, 334},
     TPoint{440, 350}, false, 9, true},
    {Npc, "アイリーン\r\n書店。本の配達のアルバイト", "", "ダンバートン", "アイリーン",
     TPoint{200, 314}, TPoint{200, 330}, false, 9, true},
    {Npc, "エデルン\r\nバンホールの鍛冶屋。腕のいい職人", "", "バンホール", "エデルン",
     TPoint{380, 194}, TPoint{380, 210}, false, 9, true},
    {Npc, "ジェニファー\r\nバンホールの酒場の主人", "", "バンホール", "ジェニファー",
     TPoint{250, 314}, TPoint{250, 330}, false, 9, false},

    {Place,
     "アルビダンジョン\r\nティルコネイルの西にある初心者向けのダンジョン",
     "",
     "ティルコネイル",
     "アルビダンジョン",
     TPoint{110, 256},
     {},
     true,
     12,
     true},
    {Place,
     "ラビダンジョン\r\nダンバートンの東。夜に入ると少し強い",
     "",
     "ダンバートン",
     "ラビダンジョン",
     TPoint{560, 300},
     {},
     true,
     12,
     true},
    {Place, "フィアードダンジョン\r\nガイレフの丘の奥", "", "ガイレフの丘", "フィアードダンジョン",
     TPoint{400, 120}, TPoint{400, 150}, true, 12, true},
    {Place,
     "バリダンジョン\r\nバンホールの鉱山。鉱石が掘れる",
     "",
     "バンホール",
     "バリダンジョン",
     TPoint{320, 60},
     {},
     true,
     12,
     true},
    {Place, "見張り塔\r\nセンマイ平原の真ん中", "", "センマイ平原", "見張り塔", TPoint{400, 290},
     TPoint{400, 320}, true, 12, true},
    {Place,
     "劇場\r\nイメンマハの劇場。夜に公演がある",
     "",
     "イメンマハ",
     "劇場",
     TPoint{320, 150},
     {},
     true,
     12,
     false},
    {Place,
     "船着き場\r\nイリア大陸へ向かう船が出る",
     "",
     "ケアン港",
     "船着き場",
     TPoint{470, 226},
     {},
     true,
     12,
     false},
    {Place,
     "ベースキャンプ\r\nラノ地域の冒険者の拠点",
     "",
     "ラノ地域",
     "ベースキャンプ",
     TPoint{400, 180},
     {},
     true,
     12,
     false},
    {Place, "フィリア\r\nコンノース地域の村", "", "コンノース地域", "フィリア", TPoint{400, 510},
     TPoint{400, 544}, true, 12, false},
};

std::string FirstLine(const char* text) {
    const std::string t = text;
    return t.substr(0, t.find("\r\n"));
}

void Fill(TClientDataSet& table, const TMemo& m) {
    table.FieldByName("MemoTitle").SetAsString(FirstLine(m.Text));
    table.FieldByName("MemoMemo").SetAsString(m.Text);
    table.FieldByName("httpUrl").SetAsString(m.Url);
    table.FieldByName("MemoGroup").SetAsString(m.Group);
    table.FieldByName("FilterCheck").SetAsBoolean(true);
    if (*m.Area) { // memos off the map leave their map fields null
        table.FieldByName("MapAreaName").SetAsString(m.Area);
        table.FieldByName("MapTitle").SetAsString(m.MapTitle);
    }
    table.FieldByName("MapAlwaysDisplays").SetAsBoolean(m.AlwaysDisplays);
    if (m.Label) {
        table.FieldByName("MapX").SetAsInteger(m.Label->X);
        table.FieldByName("MapY").SetAsInteger(m.Label->Y);
    }
    if (m.Point) {
        table.FieldByName("MapPointX").SetAsInteger(m.Point->X);
        table.FieldByName("MapPointY").SetAsInteger(m.Point->Y);
    }
    table.FieldByName("SystemCheck").SetAsBoolean(true);
    table.FieldByName("URLIEOpen").SetAsBoolean(false);
    if (TField* fontSize = table.FindField("FontSize"))
        fontSize->SetAsInteger(m.FontSize);
}

void Write(std::vector<TFieldDef> fields, bool version16, const std::string& file) {
    TClientDataSet table;
    table.CreateDataSet(std::move(fields));
    for (const TMemo& m : Memos) {
        if (version16 && !m.InVersion16)
            continue;
        table.Append();
        Fill(table, m);
        table.Post();
    }
    table.MergeChangeLog();
    table.SaveToFile(file);
}

// Version 16 had no font size: every label was drawn at the same size.
std::vector<TFieldDef> Version16Fields() {
    std::vector<TFieldDef> fields = MemoTableFields();
    fields.pop_back();
    return fields;
}

} // namespace

void WriteMemoTables(const std::string& folder) {
    Write(MemoTableFields(), false, folder + "DefaultDB/YorraPDAMemo17.xml");
    Write(Version16Fields(), true, folder + "OldDefaultDB/YorraPDAMemo16.xml");
}
