#include "skins/BuiltInSkin.h"

#include <gtest/gtest.h>

#include <vector>

namespace qp {
namespace {

std::vector<int> buttonsOf(int sv) {
  std::vector<int> present;
  for (int index = 0; index <= 40; ++index) {
    if (builtInSkinExports().getButton(index, sv) != nullptr) {
      present.push_back(index);
    }
  }
  return present;
}

TEST(BuiltInSkin, HasTheButtonsOfEachView) {
  std::vector<int> standard;
  for (int i = 1; i <= 27; ++i) {
    standard.push_back(i);
  }
  standard.push_back(29);
  standard.push_back(30);
  EXPECT_EQ(buttonsOf(0), standard);
  EXPECT_EQ(buttonsOf(1),
            (std::vector<int>{1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 29}));
}

TEST(BuiltInSkin, StandardViewHasGraphAndPanelSmallViewNeither) {
  const SkinExports& skin = builtInSkinExports();
  EXPECT_EQ(skin.getSkinVersion(), kSkinInterfaceVersion);
  EXPECT_EQ(skin.getGeneral()->nameStringId, 125);
  ASSERT_NE(skin.getGraph(0), nullptr);
  EXPECT_EQ(skin.getGraph(0)->left, 38);
  EXPECT_EQ(skin.getGraph(0)->bottom, 168);
  EXPECT_EQ(skin.getGraph(1), nullptr);
  ASSERT_NE(skin.getAdvancedCtrls(0), nullptr);
  EXPECT_EQ(skin.getAdvancedCtrls(1), nullptr);
  EXPECT_EQ(skin.getListbox(0)->rowHeight, 14);
}

}  // namespace
}  // namespace qp
