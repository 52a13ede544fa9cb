// Resource, control and command ids, shared by the code and the resource script.
// Plain macros only: the resource compiler reads this file too.
#ifndef TALLYRA_RES_IDS_H
#define TALLYRA_RES_IDS_H

// Resources
#define IDD_MAIN       101
#define IDD_ABOUT      105
#define IDI_MAIN       111
#define IDB_BACKGROUND 115
#define IDB_PROGRESS   125
#define IDM_CONTEXT    801
#define IDR_VERSION    1
#define IDR_MANIFEST   1

// Main dialog
#define ID_SEQUENCE      301
#define ID_ANSWER        311
#define ID_COUNT         331
#define ID_TIME          332
#define ID_START         501
#define ID_EXIT          502
#define ID_HINT          521
#define ID_RANGE_DIGITS  531
#define ID_RANGE_NUMBERS 532
#define ID_TIME_LABEL    701
#define ID_COUNT_LABEL   702
#define ID_TIMER_ICON    111
#define ID_ABOUT         812

// About box
#define ID_ABOUT_OK     570
#define ID_LINK_SITE    731
#define ID_LINK_MAIL    732
#define ID_LINK_PAYMENT 733
#define ID_ABOUT_TITLE  734

// The system's information icon, which the module does not hold
#define IDI_SYSTEM_INFORMATION 32516

// The one window timer: the countdown while a series is shown
#define TIMER_COUNTDOWN 1

#endif
