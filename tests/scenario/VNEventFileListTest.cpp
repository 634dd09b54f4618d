#include "scenario/VNEventFile.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<VNEvent> Label(const char* name) {
    auto event = std::make_unique<VNEvent>(EVENTCODE_LABEL);
    event->SetString(0, VNString(name));
    return event;
}

TEST(VNEventFileList, PushHandsOverNewEventsAndCopiesCallersEvents) {
    VNEventFile file;
    EXPECT_EQ(file.GetCapacity(), 0);
    auto made = Label("a");
    const VNEvent* made_address = made.get();
    file.Push(std::move(made));
    EXPECT_EQ(file.Get(0), made_address);

    VNEvent mine(EVENTCODE_NARRATION);
    mine.SetString(0, VNString("text"));
    file.Push(&mine);
    EXPECT_NE(file.Get(1), &mine);
    mine.SetString(0, VNString("changed"));
    EXPECT_EQ(file.Get(1)->GetString(0), VNString("text"));

    file.Replace(&mine, 0);
    EXPECT_EQ(file.Get(0)->GetCode(), EVENTCODE_NARRATION);
    EXPECT_EQ(file.Get(0)->GetString(0), VNString("changed"));
    EXPECT_NE(file.Get(0), &mine);

    VNEvent copy(EVENTCODE_WAIT);
    file.GetCopy(1, copy);
    EXPECT_EQ(copy.GetCode(), EVENTCODE_NARRATION);
    copy.SetString(0, VNString("x"));
    EXPECT_EQ(file.Get(1)->GetString(0), VNString("text"));
}

TEST(VNEventFileList, InsertAndRemoveKeepTheOrder) {
    VNEventFile file;
    file.Insert(Label("b"), 0); // position 0 of an empty list appends
    file.Insert(Label("d"), -1);
    file.Insert(Label("e"), 2); // position count appends
    file.Insert(Label("a"), 0);
    const VNEvent c = *Label("c");
    file.Insert(&c, 2);
    ASSERT_EQ(file.GetCount(), 5);
    const char* expected[] = {"a", "b", "c", "d", "e"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(file.Get(i)->GetString(0), VNString(expected[i])) << i;

    file.Remove(0);
    file.Remove(3);
    file.Remove(1);
    ASSERT_EQ(file.GetCount(), 2);
    EXPECT_EQ(file.Get(0)->GetString(0), VNString("b"));
    EXPECT_EQ(file.Get(1)->GetString(0), VNString("d"));
    EXPECT_EQ(file.GetCapacity(), 50); // never shrinks
}

TEST(VNEventFileList, GrowsByFiftyKeepingEveryEvent) {
    VNEventFile file;
    std::vector<const VNEvent*> addresses;
    for (int i = 0; i < 101; ++i) {
        auto event = std::make_unique<VNEvent>(EVENTCODE_WAIT);
        event->SetInt(0, i);
        addresses.push_back(event.get());
        file.Push(std::move(event));
        EXPECT_EQ(file.GetCapacity(), i < 50 ? 50 : i < 100 ? 100 : 150) << i;
    }
    for (int i = 0; i < 101; ++i) {
        EXPECT_EQ(file.Get(i), addresses[i]);
        EXPECT_EQ(file.Get(i)->GetInt(0), i);
    }
    file.Clear();
    EXPECT_EQ(file.GetCount(), 0);
    EXPECT_EQ(file.GetCapacity(), 150);
}

TEST(VNEventFileList, FindLabelTakesTheFirstLabelOfThatName) {
    VNEventFile file;
    auto comment = std::make_unique<VNEvent>(EVENTCODE_COMMENT);
    comment->SetString(0, VNString("here"));
    file.Push(std::move(comment)); // same text, other code: ignored
    file.Push(Label("there"));
    file.Push(Label("here"));
    file.Push(Label("here"));
    EXPECT_EQ(file.FindLabel(VNString("here")), 2);
    EXPECT_EQ(file.FindLabel(VNString("HERE")), -1);
    EXPECT_EQ(file.FindLabel(VNString("nowhere")), -1);
    EXPECT_EQ(VNEventFile().FindLabel(VNString("here")), -1);
}

TEST(VNEventFileListDeathTest, ProgrammingErrorsStopWithTheCondition) {
    VNEventFile file;
    file.Push(Label("a"));
    EXPECT_DEATH(file.Push(static_cast<const VNEvent*>(nullptr)), "event != NULL");
    EXPECT_DEATH(file.Push(std::unique_ptr<VNEvent>()), "event != NULL");
    EXPECT_DEATH(file.Insert(Label("b"), 2), "n <= item_count && n >= 0");
    EXPECT_DEATH(file.Insert(Label("b"), -2), "n <= item_count && n >= 0");
    EXPECT_DEATH(file.Remove(1), "n < item_count && n >= 0");
    EXPECT_DEATH(file.Replace(file.Get(0), -1), "n < item_count && n >= 0");
}

} // namespace
