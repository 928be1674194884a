#include "pages/PageConfig.h"

namespace velnar::pages {

const PageConfig kFirstPageConfig{
    1,
    res::kFirstPageLayout,
    &model::MessageTable::fileLoadedPage1,
    &model::MessageTable::sendAllRequested,
    &link::TakeUpSendAllPage1,
    {550, 40},
};

const PageConfig kSecondPageConfig{
    2,
    res::kSecondPageLayout,
    &model::MessageTable::fileLoadedPage2,
    &model::MessageTable::sendAllPage2Turn,
    &link::TakeUpSendAllPage2,
    {560, 40},
};

}  // namespace velnar::pages
