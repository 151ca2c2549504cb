#pragma once

// The wizard's pages in forward order; the index names a page everywhere in the setup.
enum PageIndex : int {
    PAGE_WELCOME = 0,
    PAGE_LICENSE = 1,
    PAGE_REQUIREMENTS = 2,
    PAGE_VERSION = 3,
    PAGE_USER = 4,
    PAGE_PROGRESS = 5,
    PAGE_FINISH = 6,
    PAGE_ERROR = 7,
    PAGE_INTERRUPTED = 8,
};
constexpr int PAGE_COUNT = 9;
