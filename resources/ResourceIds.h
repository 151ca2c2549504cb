#pragma once

// Identifiers of the setup's resources, as the code addresses them.

// Dialog templates.
constexpr int IDD_SETUP_WIZARD = 102;
constexpr int IDD_VERSION = 129;
constexpr int IDD_WELCOME = 130;
constexpr int IDD_USER = 131;
constexpr int IDD_PROGRESS = 132;
constexpr int IDD_FINISH = 133;
constexpr int IDD_ERROR = 134;
constexpr int IDD_INTERRUPTED = 135;
constexpr int IDD_REQUIREMENTS = 136;
constexpr int IDD_LICENSE = 142;

// Controls.
constexpr int IDC_BACK = 3;
constexpr int IDC_PAGE_FRAME = 1000;
constexpr int IDC_GRAYSCALE = 1001;
constexpr int IDC_COLOR = 1003;
constexpr int IDC_LICENSE_TEXT = 1005;
constexpr int IDC_USER_LIST = 1005;
constexpr int IDC_ACCEPT = 1006;
constexpr int IDC_DECLINE = 1007;
constexpr int IDC_PROGRESS = 1007;
constexpr int IDC_STATUS = 1008;
constexpr int IDC_BANNER = 1009;

// Icons, bitmaps and other resources.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDI_SMALL = 134;
constexpr int IDB_BANNER_LARGE = 136;
constexpr int IDB_BANNER_SMALL = 137;
constexpr int IDR_LICENSE = 140;
constexpr const char* RT_LICENSE = "LICENSE";
constexpr int VS_VERSION_INFO = 1;

// Strings.
constexpr unsigned int IDS_NO_USERS = 1;
constexpr unsigned int IDS_USER_CANCELED = 3;
constexpr unsigned int IDS_USER_READ_FAILED = 4;
constexpr unsigned int IDS_SETUP_TITLE = 5;
constexpr unsigned int IDS_CONFIRM_CANCEL = 6;
constexpr unsigned int IDS_FILES_EXIST = 7;
constexpr unsigned int IDS_FILE_FAILED = 8;
constexpr unsigned int IDS_INTERNAL_ERROR = 9;
