// The engine's hooks into the user interface: what the program fills in
// receives the engine's messages and busy signs, in pairs even when a module
// raises an error; with nothing filled in the engine records its messages.
#include <string>
#include <vector>

#include "EngineTest.h"
#include "engine/Chain.h"
#include "engine/Errors.h"
#include "engine/Instances.h"
#include "engine/UserInterface.h"

namespace quillon::test {
namespace {

std::vector<std::string> Seen;

void Work() { Seen.push_back("work"); }
void Fail() {
  Seen.push_back("fail");
  throw QuillonError("broken");
}

class UserInterfaceTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Seen.clear();
    previous_ = SetUserInterface({[](const std::string& t) { Seen.push_back("message " + t); },
                                  [] { Seen.push_back("begin"); }, [] { Seen.push_back("end"); }, {}});
  }
  void TearDown() override {
    SetUserInterface(previous_);
    EngineTest::TearDown();
  }
  UserInterfaceHooks previous_;
};

TEST_F(UserInterfaceTest, TheProgramsHooksGetMessagesAndBusyPairs) {
  TypeExecuteProc[120] = Work;
  TypeExecuteProc[121] = Fail;
  ASSERT_EQ(CreateInstance(120), 1);
  ComputeChain();
  ASSERT_EQ(CreateInstance(121), 2);
  EXPECT_THROW(ComputeChain(), QuillonError);
  EXPECT_EQ(CreateInstance(119), 0);
  EXPECT_EQ(Seen, (std::vector<std::string>{"begin", "work", "end", "begin", "work", "fail", "end",
                                            "message Unknown module type 119 ..."}));
  EXPECT_TRUE(HeadlessMessages().empty());
}

TEST_F(UserInterfaceTest, EmptyHooksRecordTheMessagesAndShowNoBusySign) {
  const UserInterfaceHooks mine = SetUserInterface({});
  ASSERT_TRUE(mine.Message);  // the replaced hooks come back
  TypeExecuteProc[120] = Work;
  ASSERT_EQ(CreateInstance(120), 1);
  ComputeChain();
  EXPECT_EQ(CreateInstance(0), 0);
  NextInstance = MaxInstances + 1;
  EXPECT_EQ(CreateInstance(120), 0);
  EXPECT_EQ(Seen, (std::vector<std::string>{"work"}));
  EXPECT_EQ(HeadlessMessages(), (std::vector<std::string>{"Unknown module type 0 ...", "Too much modules ..."}));
  ResetEngine();
  EXPECT_TRUE(HeadlessMessages().empty());
}

}  // namespace
}  // namespace quillon::test
