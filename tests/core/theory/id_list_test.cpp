#include <gtest/gtest.h>

#include <string>

#include "core/theory/id_list.h"

TEST(IDList, FindsByNameWithoutRegardToCaseAndByExtra)
{
    IDList list;
    int a = 1, b = 2;
    list.AddItem("Guitar", &a);
    list.AddItem("Keyboard", &b);
    list.AddItem("guitar", &b);  // duplicates are allowed
    void* extra = nullptr;
    EXPECT_EQ(list.FindItem("GUITAR", extra), 1);
    EXPECT_EQ(extra, &a);
    EXPECT_EQ(list.FindItem("Analyzer", extra), 0);
    std::string name;
    EXPECT_EQ(list.FindExtra(&b, &name), 2);
    EXPECT_EQ(name, "Keyboard");
    EXPECT_EQ(list.GetItem(2, &name, extra), 1);
    EXPECT_EQ(name, "guitar");
    EXPECT_EQ(list.GetItem(3, &name, extra), 0);
    EXPECT_EQ(list.GetItem(-1, nullptr, extra), 0);
    EXPECT_EQ(list.LocateItem("keyboard"), list.head->next);
}

TEST(IDList, ChangesRenamesAndDeletesKeepingTheTail)
{
    IDList list;
    int a = 1, b = 2;
    list.AddItem("One", nullptr);
    list.AddItem("Two", nullptr);
    list.AddItem("Three", nullptr);
    EXPECT_EQ(list.ChangeItem("two", &a), 2);
    EXPECT_EQ(list.ChangeItem(3, &b), 3);
    EXPECT_EQ(list.ChangeItem(4, &b), 0);
    EXPECT_EQ(list.ChangeItem(0, &b), 0);
    EXPECT_EQ(list.RenameItem("THREE", "Drei"), 1);
    EXPECT_EQ(list.RenameItem("Four", "Vier"), 0);

    EXPECT_EQ(list.DeleteItem("drei"), 1);
    EXPECT_STREQ(list.tail->name, "Two");
    list.AddItem("Four", nullptr);
    EXPECT_STREQ(list.tail->name, "Four");
    EXPECT_EQ(list.DeleteItem("One"), 1);
    EXPECT_EQ(list.DeleteItem("One"), 0);

    std::string names;
    std::string name;
    void* extra = nullptr;
    list.Rewind();
    while (list.GetNextItem(&name, extra)) names += name + ";";
    EXPECT_EQ(names, "Two;Four;");
    EXPECT_EQ(list.GetNextItem(&name, extra), 0);

    list.ClearList();
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    list.AddItem("Again", nullptr);  // usable after clearing
    EXPECT_EQ(list.FindItem("again", extra), 1);
}
