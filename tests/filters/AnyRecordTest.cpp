// Every filter with any 32-bit values in its work record: it ends, touches
// nothing outside the picture (the sanitizer build checks), and gives equal
// pictures for equal records.
#include <gtest/gtest.h>

#include <cstring>

#include "FilterTestSupport.h"
#include "engine/Random.h"
#include "modules/filters/Filters.h"

using namespace quillon;
using namespace quillon::test;

// The records are the interface between modules: their sizes give their
// field counts.
static_assert(sizeof(TRNCCWork) == 11 * 4);
static_assert(sizeof(TFMTCWork) == 7 * 4);
static_assert(sizeof(TVRGHWork) == 10 * 4 && sizeof(TVRLHWork) == 10 * 4);
static_assert(sizeof(THSHFWork) == 4 && sizeof(TMVBFWork) == 4 && sizeof(TRCBFWork) == 4);
static_assert(sizeof(TCAV1Work) == 9 * 4);
static_assert(sizeof(TLevelsWork) == 10 * 4 && sizeof(TLevellingWork) == 10 * 4);
static_assert(sizeof(TINVCWork) == 11 * 4);
static_assert(sizeof(TOFSTWork) == 3 * 4 && sizeof(TMIRRWork) == 4 && sizeof(TSNDSWork) == 11 * 4);
static_assert(sizeof(TTB01Work) == 7 * 4 && sizeof(TCRPCWork) == 8 * 4 && sizeof(TFOILWork) == 6 * 4);
static_assert(sizeof(TBLCLWork) == 3 * 4 && sizeof(TGFLLWork) == 3 * 4 && sizeof(TCNTRWork) == 4);
static_assert(sizeof(TFXC1Work) == 13 * 4 && sizeof(TCOL1Work) == 3 * 4 && sizeof(TMVLHWork) == 2 * 4);

namespace {

struct Filter {
  const char* name;
  void* record;
  size_t size;
  void (*run)();
};

const Filter AllFilters[] = {
    {"RandomColorFill", &RNCCWork, sizeof(RNCCWork), RandomColorFill},
    {"MatrixFilter_Run", &FMTCWork, sizeof(FMTCWork), MatrixFilter_Run},
    {"VRGH_Compute", &VRGHWork, sizeof(VRGHWork), VRGH_Compute},
    {"VRLH_Compute", &VRLHWork, sizeof(VRLHWork), VRLH_Compute},
    {"HSHF_Compute", &HSHFWork, sizeof(HSHFWork), HSHF_Compute},
    {"MVBF_Compute", &MVBFWork, sizeof(MVBFWork), MVBF_Compute},
    {"RCBF_Compute", &RCBFWork, sizeof(RCBFWork), RCBF_Compute},
    {"CAV1_Compute", &CAV1Work, sizeof(CAV1Work), CAV1_Compute},
    {"NRMC_Run", &LevelsWork, sizeof(LevelsWork), NRMC_Run},
    {"LVLH_Run", &LevellingWork, sizeof(LevellingWork), LVLH_Run},
    {"Invert_Run", &INVCWork, sizeof(INVCWork), Invert_Run},
    {"OFST_Compute", &OFSTWork, sizeof(OFSTWork), OFST_Compute},
    {"MIRR_Compute", &MIRRWork, sizeof(MIRRWork), MIRR_Compute},
    {"TB01_Compute", &TB01Work, sizeof(TB01Work), TB01_Compute},
    {"ColorReplace_Run", &CRPCWork, sizeof(CRPCWork), ColorReplace_Run},
    {"FOIL_Compute", &FOILWork, sizeof(FOILWork), FOIL_Compute},
    {"BLCL_Run", &BLCLWork, sizeof(BLCLWork), BLCL_Run},
    {"SNDS_Run", &SNDSWork, sizeof(SNDSWork), SNDS_Run},
    {"GFLL_Compute", &GFLLWork, sizeof(GFLLWork), GFLL_Compute},
    {"CNTR_Compute", &CNTRWork, sizeof(CNTRWork), CNTR_Compute},
    {"FXC1_Compute", &FXC1Work, sizeof(FXC1Work), FXC1_Compute},
    {"COL1_Compute", &COL1Work, sizeof(COL1Work), COL1_Compute},
    {"MVLH_Compute", &MVLHWork, sizeof(MVLHWork), MVLH_Compute},
};

const int32_t Extremes[] = {0, 1, 2, 3, -1, -2, 5, 6, 100, 255, 359, 360, 1000, -1000, 32767, -32768,
                            65536, INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};

void FillRecord(const Filter& f, std::mt19937& g) {
  std::vector<int32_t> values(f.size / 4);
  for (auto& v : values) v = (g() % 4 == 0) ? static_cast<int32_t>(g()) : Extremes[g() % std::size(Extremes)];
  std::memcpy(f.record, values.data(), f.size);
}

}  // namespace

TEST(AnyRecord, EveryFilterEndsOnExtremeValues) {
  std::mt19937 g(2024);
  const std::pair<int, int> sizes[] = {{9, 7}, {1, 1}, {2, 3}, {5, 1}};
  for (const Filter& f : AllFilters)
    for (int i = 0; i < 24; ++i) {
      const auto [w, h] = sizes[i % 4];
      UsePicture(w, h);
      RandomPicture(i);
      RandomPicture(i + 1000, CurrentLayer);
      CopyPicture(Layer(CurrentLayer), ImageStore().Buffers[0]);
      FillRecord(f, g);
      RandomSeed = static_cast<int32_t>(g());
      SCOPED_TRACE(f.name);
      f.run();
    }
}

TEST(AnyRecord, EqualRecordsGiveEqualPictures) {
  std::mt19937 g(7);
  for (const Filter& f : AllFilters) {
    FillRecord(f, g);
    std::vector<unsigned char> record(static_cast<unsigned char*>(f.record),
                                      static_cast<unsigned char*>(f.record) + f.size);
    std::vector<Sample> pictures[2];
    for (auto& picture : pictures) {
      UsePicture(11, 6);
      RandomPicture(5);
      CopyPicture(Layer(ResultLayer), ImageStore().Buffers[0]);
      std::memcpy(f.record, record.data(), f.size);
      RandomSeed = 99;
      f.run();
      picture = Snapshot();
      auto current = Snapshot(CurrentLayer);
      picture.insert(picture.end(), current.begin(), current.end());
    }
    EXPECT_EQ(pictures[0], pictures[1]) << f.name;
  }
}
