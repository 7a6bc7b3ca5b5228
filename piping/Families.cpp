#include "piping/Families.h"

#include <algorithm>
#include <map>
#include <vector>

namespace piping {
namespace {

const Family kFamilyTable[kFamilies] = {
    {"TS", "13", 'E', 2, 2, "TS_"},  {"DV", "14", 'E', 2, 2, "DV_"},  {"MD1", "09", 'K', 1, 1, "MD_"},
    {"MD2", "10", 'K', 1, 1, "MD_"}, {"DR", "07", 'K', 1, 1, "DR_"},  {"YT", "02", 'K', 1, 1, "YO_"},
    {"NJ", "01", 'K', 1, 1, "NE_"},  {"DK", "17", 'D', 3, 3, "DO_"},  {"KT", "03", 'K', 1, 1, "KO_"},
    {"ST", "21", 'S', 5, 4, "NI_"},  {"MO", "20", 'S', 5, 4, "MO_"},  {"FT", "06", 'K', 1, 1, "FK_"},
    {"CK", "11", 'T', 4, 5, "C1_"},  {"CK", "11", 'T', 4, 5, "C2_"},  {"CS", "12", 'T', 4, 5, "C1_"},
    {"CS", "12", 'T', 4, 5, "C2_"},  {"SDB", "22", 'K', 1, 1, "BC_"}, {"CB", "22", 'K', 1, 1, "FC_"},
    {"BB", "22", 'K', 1, 1, "BF_"},  {"SB", "22", 'K', 1, 1, "CL_"},  {"FS", "24", 'K', 1, 1, "FJ_"},
    {"MDK", "25", 'M', 0, 0, "SD_"},
};

using Captions = std::vector<const char*>;

const Captions& CaptionsOf(int family) {
  static const Captions elbowTeeSocket = {"エルボ", "ティ－ズ", "ソケット"};
  static const Captions md = {"エルボ", "45度エルボ・ＴＹ", "ＳＴ・Ｙ", "ソケット"};
  static const Captions castIron1 = {"90°長曲管,短曲管", "両受け90°長曲管", "45°曲管",
                                     "90°Ｙ管,（TY,WTY）長ＴＹ", "Ｔ管（ST）,Ｙ管（Y）", "直管"};
  static const Captions castIron2 = {"鉛管接続LTY,LY管", "90°L曲管,L管,GS,ソケット,COT", "塩ビ管用VST(1)",
                                     "塩ビ管用VST(2)", "CO付90°長曲管（台付）", "CO付90°両受長曲管（台付）"};
  static const std::map<int, Captions> table = {
      {0, {"エルボ", "ティ－ズ", "ソケット・フランジ"}},
      {1, {"エルボ", "45度エルボ・ＬＴ", "ＤＴ・Ｙ", "ソケット"}},
      {2, md},
      {3, md},
      {4, md},
      {5, {"ロングエルボ", "ショートエルボ", "ティーズ・レジュ－サ－", "5K・10Kフランジ", "20Kフランジ"}},
      {6, {"エルボ", "ティ－ズ", "ソケット", "補助部材・フランジ"}},
      {7, elbowTeeSocket},
      {8, {"エルボ", "ティ－ズ・ソケット"}},
      {9, {"エルボ", "ティ－ズ・ソケット", "水栓継手"}},
      {10, {"エルボ", "片ソケットエルボ", "ティ－ズ・ソケット", "鋼管接続継手", "水栓継手"}},
      {11, {"エルボ", "ティ－ズ・レジュ－サ－"}},
      {12, castIron1},
      {13, castIron2},
      {14, castIron1},
      {15, castIron2},
      {16, {"ゲート弁(JIS-5K/10K)", "グローブ弁(JIS-5K/10K)", "チェッキ弁･Ｙ形ストレーナー", "ボール弁"}},
      {17, {"ゲート弁(JIS-5K/10K)", "グローブ弁・チェッキ弁(JIS-10K)", "Ｙ形ストレーナー(JIS-10K)"}},
      {18, {"ADC製/702Z-21", "FCD製/700G-2M", "バタチェッキ/903C/901C"}},
      {19, {"減圧弁(VENN)", "安全弁(VENN)", "電動弁(YAMATAKE)", "定水位弁(FMバルブ)"}},
      {20, {"SUSユニオン型フレキ", "SUSフランジ型フレキ", "合成ゴム製フレキ", "伸縮継手"}},
      {21, {"1.0Rベンド(90度/45度)", "1.5Rベンド(90度/45度)", "T管・45度Y管", "ダンパー類・補助部材"}},
  };
  return table.at(family);
}

// Nominal sizes with a code, per material class; the code of the size at
// position i is codes[i].
struct SizeCodes {
  std::vector<const char*> sizes, codes;
};

const SizeCodes& CodesOf(int materialClass) {
  static const SizeCodes table[6] = {
      {{"100", "125", "150", "175", "200", "225", "250", "275", "300", "325", "350", "375", "400", "450", "500"},
       {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15"}},
      {{"10", "15", "20", "25", "32", "40", "50", "65", "80", "100", "125",
        "150", "200", "250", "300", "350", "400", "450", "500", "550", "600"},
       {"02", "03", "05", "06", "07", "08", "09", "10", "11", "12", "13",
        "14", "15", "16", "17", "18", "19", "20", "21", "22", "23"}},
      {{"13", "16", "20", "25", "30", "40", "50", "65", "75", "100", "125", "150", "200", "250", "300", "350", "400"},
       {"03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}},
      {{"8", "10", "15", "18", "20", "25", "32", "40", "50", "65", "80", "100", "125", "150"},
       {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14"}},
      {{"40", "50", "65", "75", "100", "125", "150", "200", "250", "300"},
       {"08", "09", "10", "11", "12", "13", "14", "15", "16", "17"}},
      {{"13", "20", "25", "30", "40", "50", "60"}, {"03", "05", "06", "07", "08", "09", "10"}},
  };
  return table[materialClass];
}

// Keys "sheet-cell" of the combined fittings, by family.
const std::vector<std::string>& CombinedKeys(int family) {
  static const std::vector<std::string> none;
  static const std::vector<std::string> a = {"1-2", "1-3", "2-2", "2-3"};
  static const std::vector<std::string> b = {"1-2", "1-3", "1-12", "1-13", "2-17", "2-18",
                                             "2-19", "2-20", "3-7", "3-8", "3-9", "3-10"};
  static const std::vector<std::string> c = {"1-2", "1-3", "1-12", "1-13", "2-16", "2-17",
                                             "2-18", "2-19", "3-16", "3-17", "3-18", "3-19"};
  static const std::vector<std::string> d = {"1-2", "1-3", "2-2", "2-3", "3-2", "3-3", "3-4", "3-5"};
  static const std::vector<std::string> e = {"1-2", "1-3", "2-6", "2-7", "2-8", "2-9", "3-2", "3-3"};
  static const std::vector<std::string> f = {"2-2", "2-3", "2-4", "2-5", "2-7", "2-8",
                                             "2-9", "2-10", "4-6", "4-7", "4-8", "4-9"};
  static const std::vector<std::string> g = {"1-2", "1-3", "2-2", "2-3", "3-2", "3-3", "3-7", "3-8"};
  switch (family) {
    case 0: case 6: case 7: case 8: case 9: case 11: return a;
    case 1: case 4: return b;
    case 2: case 3: return c;
    case 5: return d;
    case 10: return e;
    case 12: case 14: return f;
    case 21: return g;
    default: return none;
  }
}

}  // namespace

const Family& FamilyAt(int family) { return kFamilyTable[std::clamp(family, 0, kFamilies - 1)]; }

std::string FamilyNumber(int family, int sheet) {
  if (family == 20 && sheet == 4) return "05";
  return FamilyAt(family).number;
}

std::string SheetCaption(int family, int sheet) {
  if (family < 0 || family >= kFamilies) return "-";
  const Captions& captions = CaptionsOf(family);
  return sheet >= 1 && sheet <= static_cast<int>(captions.size()) ? captions[sheet - 1] : "-";
}

const char* SizeListFile(int materialClass) {
  static const char* const files[6] = {"Gaikei_Maru.ini",   "Gaikei_Koukan.ini", "Gaikei_Enbi.ini",
                                       "Gaikei_Doukan.ini", "Gaikei_cip.ini",    "Gaikei_sus.ini"};
  return files[std::clamp(materialClass, 0, 5)];
}

std::string SizeCode(int materialClass, const std::string& nominal) {
  const SizeCodes& codes = CodesOf(std::clamp(materialClass, 0, 5));
  for (size_t i = 0; i < codes.sizes.size(); ++i)
    if (nominal == codes.sizes[i]) return codes.codes[i];
  return "";
}

bool IsCombinedFitting(int family, int sheet, int cell) {
  if (family < 0 || family >= kFamilies) return false;
  const auto& keys = CombinedKeys(family);
  return std::find(keys.begin(), keys.end(), std::to_string(sheet) + "-" + std::to_string(cell)) != keys.end();
}

}  // namespace piping
