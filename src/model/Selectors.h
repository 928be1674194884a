#pragma once

namespace velnar::model {

// The pages' selectors and how their items map to stored values.
constexpr int kAnimationItems = 5;  // "SOLDAN SAĞA" ... "PERDELE"
constexpr int kLevelItems = 3;      // brightness and speed: "1", "2", "3"
constexpr int kNoItem = -1;         // a selector left without a selection

// Brightness and speed are stored as four times the item index.
constexpr int StoredLevel(int item) { return 4 * item; }

// The item a selector shows for a stored value; kNoItem when the value names
// no item (a hand-edited file, or a value saved from an empty selector).
constexpr int AnimationItemOf(int stored)
{
    return stored >= 0 && stored < kAnimationItems ? stored : kNoItem;
}

constexpr int LevelItemOf(int stored)
{
    const int item = stored / 4;  // truncates toward zero, as the pages select
    return item >= 0 && item < kLevelItems ? item : kNoItem;
}

}  // namespace velnar::model
