#include "Messages.h"
#include "Translatable.h"

#include <algorithm>
#include <array>

namespace mz58 {
namespace {

struct StringEntry {
    StringId id;
    std::string_view text;
    std::string_view gloss; // English explanation for command-line users, when the text has none
};

// Kept sorted by id. The texts are marked for the translation files (context of UiText.h); the
// glosses serve the command line only.
constexpr StringEntry kStrings[] = {
    // Programming files
    {32, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件打开错误\r\nFile Name = %1"),
     "cannot open the file"},
    {33, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件写入错误"), "cannot write the file"},
    {34, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件读取错误\r\nFile Name = %1"),
     "cannot read the file"},
    {35, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件打开错误\r\n%1"), "cannot create the file"},
    {36, MZ58_TRANSLATE_NOOP("mz58::StringTable", "是否写入默认文件?"),
     "overwrite the default image file?"},
    {37, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件无法打开.\r\n文件格式错误或不支持"),
     "not a programming file (it must be 520 bytes)"},
    {49, MZ58_TRANSLATE_NOOP("mz58::StringTable", "文件属性为只读.\r\nFile Name = %1"),
     "the file is read-only"},
    // Settings dialogs
    {50, MZ58_TRANSLATE_NOOP("mz58::StringTable", "改变频率波段?\r\n频率不合法"),
     "change the band? every channel moves to the band's default frequency"},
    // Channel grid
    {53,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Do you copy Ch%1 data to Ch %2?\n(Only visible columns)"),
     ""},
    // Radio link
    {80, MZ58_TRANSLATE_NOOP("mz58::StringTable", "串口错误"), "serial port error"},
    {81, MZ58_TRANSLATE_NOOP("mz58::StringTable", "检查是否连接正确"),
     "check that the cable is connected correctly"},
    {82, MZ58_TRANSLATE_NOOP("mz58::StringTable", "读取错误!"), "read error"},
    {83, MZ58_TRANSLATE_NOOP("mz58::StringTable", "读取完成"), "read complete"},
    {84, MZ58_TRANSLATE_NOOP("mz58::StringTable", "写入错误!"), "write error"},
    {85, MZ58_TRANSLATE_NOOP("mz58::StringTable", "硬件设置不匹配! 1"),
     "the radio's hardware settings do not match the file"},
    {86, MZ58_TRANSLATE_NOOP("mz58::StringTable", "备份文件写入错误, 电台未写入\r\n%1"),
     "cannot keep a backup of the radio's memory; nothing was written to the radio"},
    {87, MZ58_TRANSLATE_NOOP("mz58::StringTable", "电台数据不一致: %1"),
     "bytes of the radio differ from the file as a write would send it"},
    {88, MZ58_TRANSLATE_NOOP("mz58::StringTable", "电台数据一致\r\nFile Name = %1"),
     "the radio holds the file"},
    {89, MZ58_TRANSLATE_NOOP("mz58::StringTable", "写入完成"), "write complete"},
    {90, MZ58_TRANSLATE_NOOP("mz58::StringTable", "读取功能"), "read"},
    {91, MZ58_TRANSLATE_NOOP("mz58::StringTable", "写入功能"), "write"},
    {93, " ", ""}, // the idle tip of the settings dialogs
    {94, MZ58_TRANSLATE_NOOP("mz58::StringTable", "关闭并重新开启设备"),
     "switch the radio off and on again"},
    {95, MZ58_TRANSLATE_NOOP("mz58::StringTable", "请等待"), "please wait"},
    // Help texts (the Help menu's getting-started and programming-problems windows)
    {100, MZ58_TRANSLATE_NOOP("mz58::StringTable", "   GET STARTED\r\n"), ""},
    {101,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   (1) Welcome to the programming software for the\r\n"
                         "       QM-610 portable transceiver.\r\n"),
     ""},
    {102,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "       Please read all the getting-started texts to\r\n"
                         "       understand its features and options.\r\n"),
     ""},
    {103,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   (2) Check the serial port in the software's settings\r\n"
                         "       (File menu, \"串口设置\"): the chosen COM number\r\n"
                         "       must name the device of your programming cable,\r\n"
                         "       e.g. /dev/ttyUSB0 for a USB-serial adapter or\r\n"
                         "       /dev/ttyS0 for a built-in serial port.\r\n"),
     ""},
    {104,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   (3) Upload (read) the radio before you write to it:\r\n"
                         "       the upload presets the frequency band and the\r\n"),
     ""},
    {105,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "       optional keypad settings for that radio and\r\n"
                         "       unlocks the option-specific parts of the software.\r\n"),
     ""},
    {106, MZ58_TRANSLATE_NOOP("mz58::StringTable", "        To upload from the radio:\r\n"), ""},
    {107,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "       Connect the programming cable between the USB\r\n"
                         "       port (through its USB-serial adapter) and the\r\n"
                         "       radio's multi-function jack, then choose Upload\r\n"
                         "       in the Radio menu.\r\n"),
     ""},
    {108,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "       Follow the instructions on the screen. The\r\n"
                         "       radio's LED blinks red and the screen shows a\r\n"),
     ""},
    {109,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "       counting bar while the upload runs. Wait until\r\n"
                         "       the upload is complete.\r\n"),
     ""},
    {110,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Hint: after a different option unit has been\r\n"
                         "         installed, switch the radio on once in normal\r\n"),
     ""},
    {111,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "         mode and let it finish its self-test, so that\r\n"
                         "         it recognises the new unit. Otherwise the\r\n"),
     ""},
    {112,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "         upload may carry the wrong configuration.\r\n"),
     ""},
    {113, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Bcc Error"),
     "checksum error in the radio's data"},
    {120, "1.06", ""},
    {121,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   PROGRAMMING PROBLEMS\r\n\r\n"
                         "   Communication problems between the software and the\r\n"
                         "   radio are the most frequent problems. Common\r\n"
                         "   problems and their cures follow.\r\n"),
     ""},
    {122,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Device permissions: you need read and write access\r\n"
                         "   to the serial device. Add your user to the dialout\r\n"
                         "   group (sudo adduser $USER dialout, then log out and\r\n"
                         "   in again) or install MZ58Win's udev rule for the\r\n"
                         "   adapter.\r\n"),
     ""},
    {123,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Software conflicts: other programs that open the same\r\n"
                         "   serial device can prevent an upload or download, even\r\n"),
     ""},
    {124,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   on computers that program other radios. ModemManager\r\n"
                         "   probes a newly plugged USB-serial adapter as a modem,\r\n"),
     ""},
    {125,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   and brltty claims some adapters (CH340, CP210x) for\r\n"
                         "   braille displays. Remove brltty if you have no braille\r\n"),
     ""},
    {126,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   display, stop ModemManager or let it ignore the\r\n"
                         "   adapter, and close terminal programs using the port.\r\n"),
     ""},
    {127,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Programming cable: use only the programming cable set\r\n"
                         "   made for this radio, on a USB-serial adapter with a\r\n"),
     ""},
    {129,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   CH340, PL2303, FTDI or CP210x chip. The adapter shows\r\n"
                         "   up as /dev/ttyUSB0, /dev/ttyUSB1, ... (see dmesg after\r\n"
                         "   plugging it in); a built-in 9-pin port is /dev/ttyS0.\r\n"),
     ""},
    {130,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Do not use a null-modem adapter. Extension cables,\r\n"
                         "   unpowered USB hubs and switch boxes can cause problems.\r\n"),
     ""},
    {131,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Use both pieces of the cable: the three-contact mini\r\n"
                         "   plug of the main cable fits the radio's jack but does\r\n"),
     ""},
    {132,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   not program. Attach the short pigtail adapter and\r\n"
                         "   insert its four-contact plug into the radio's jack.\r\n"),
     ""},
    {133,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   Signal level and EEPROM write voltage: a laptop on a\r\n"
                         "   weak battery may not give enough signal level (use\r\n"
                         "   the mains supply).\r\n"),
     ""},
    {134,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "   A nearly empty radio battery may not give enough\r\n"
                         "   voltage to write the EEPROM (use a charged battery).\r\n"),
     ""},
    // About box
    {1006, MZ58_TRANSLATE_NOOP("mz58::StringTable", "MZ58 Ver%1w"), ""},
    // Tips of the settings dialogs' controls (id = control id): text, then the hint
    {2000, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Master Oscillator Frequency\n0..99.9MHz"), ""},
    {2001,
     MZ58_TRANSLATE_NOOP("mz58::StringTable", "First Intermediate Frequency Offset\n0..99.9MHz"),
     ""},
    {2005, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Change operating frequency band\n<SELECT>"),
     ""},
    {2006, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Hide Side/Low Side Injection\n<SELECT>"), ""},
    {2007, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Spacing\n<SELECT>"), ""},
    {2008,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Time between squelch open to audio un-muted\n<SELECT>"),
     ""},
    {2009, MZ58_TRANSLATE_NOOP("mz58::StringTable", "SQuelch Release Time\n0..300 msec"), ""},
    {2010, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Squelch Attack Time\n0..70 msec"), ""},
    {2011, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Squelch Hysteresis\n0..15 msec"), ""},
    {2012, MZ58_TRANSLATE_NOOP("mz58::StringTable", "DCS Receive Data Polarity\n<SELECT>"), ""},
    {2013, MZ58_TRANSLATE_NOOP("mz58::StringTable", "DCS Transmit Data Polarity\n<SELECT>"), ""},
    {2050,
     MZ58_TRANSLATE_NOOP("mz58::StringTable", "Determine Encryption device installed\n<SELECT>"),
     ""},
    {2051, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Determine DTMF board installed\n<SELECT>"),
     ""},
    {2052,
     MZ58_TRANSLATE_NOOP("mz58::StringTable", "Determine Sub CPU is connected or not\n<SELECT>"),
     ""},
    {2101,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Time interval to check carrier at PRI channel\n0.5 ... 3 Secs"),
     ""},
    {2102,
     MZ58_TRANSLATE_NOOP(
         "mz58::StringTable",
         "Time spent checking for carrier per channel before resume scan\n0.25..14 Secs"),
     ""},
    {2103,
     MZ58_TRANSLATE_NOOP(
         "mz58::StringTable",
         "Time spent checking for carrier per channel before resume scan\n2..60 Secs"),
     ""},
    {2104, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select BANK-A Priority Channel\n<SELECT>"),
     ""},
    {2105, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select BANK-B Priority Channel\n<SELECT>"),
     ""},
    {2106,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Radio will transpond after calling radio stops transmitting\n<SELECT>"),
     ""},
    {2107,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Channel to revert to when PTT is pressed during scanning\n<SELECT>"),
     ""},
    {2108,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Enable/Disable Beep when radio stays at PRI channel\n<SELECT>"),
     ""},
    {2153,
     MZ58_TRANSLATE_NOOP(
         "mz58::StringTable",
         "Maximum transmit time allowed when TOT is select for a channel\n0.5 .. 7 mins"),
     ""},
    {2154,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Transmit inhibit time applied when TOT is violated\n0 .. 60 secs"),
     ""},
    {2155,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Transmit inhibit time applied after releasing PTT button\n0 ... 5 secs"),
     ""},
    {2156,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Automatic Power Off after APO Time expired\n0 ... 8 hrs"),
     ""},
    {2157,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Determine the proportion of receiver on and off time\n<SELECT>"),
     ""},
    {2250, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Specify Accessory Key function\n<SELECT>"),
     ""},
    {2400, MZ58_TRANSLATE_NOOP("mz58::StringTable", "序列号(厂方编辑)"), ""},
    {2500, MZ58_TRANSLATE_NOOP("mz58::StringTable", "开机双重扫描\n<SELECT>"), ""},
    {2501, MZ58_TRANSLATE_NOOP("mz58::StringTable", "发射键释放发射结束前的延迟\n<SELECT>"), ""},
    {2502, MZ58_TRANSLATE_NOOP("mz58::StringTable", "闹铃 有效/无效\n<SELECT>"), ""},
    {2503, MZ58_TRANSLATE_NOOP("mz58::StringTable", "照明模式\n<SELECT>"), ""},
    {2504, MZ58_TRANSLATE_NOOP("mz58::StringTable", "监视模式\n<SELECT>"), ""},
    {2505, MZ58_TRANSLATE_NOOP("mz58::StringTable", "选择在附加键按下时是否发出提示音\n<SELECT>"),
     ""},
    {2520,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Automatic offset above RX applied to TX frequency\n-99.9 .. +99.9MHz"),
     ""},
    {3001, MZ58_TRANSLATE_NOOP("mz58::StringTable", "ANI Transmit Method\n<SELECT>"), ""},
    {3002,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Delay Time between PTT pressed and first code out\n<SELECT>"),
     ""},
    {3003, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Time Duration for each digit\n<SELECT>"), ""},
    {3004, MZ58_TRANSLATE_NOOP("mz58::StringTable", "ANI Code (Max. 15 digits)\n<ENTER>"), ""},
    {3101, MZ58_TRANSLATE_NOOP("mz58::StringTable", "DTMF Transmit Speed\n<SELECT>"), ""},
    {3102,
     MZ58_TRANSLATE_NOOP("mz58::StringTable", "Enabled/Disabled Answer Back function\n<SELECT>"),
     ""},
    {3103,
     MZ58_TRANSLATE_NOOP(
         "mz58::StringTable",
         "Number of times of alert tone will be emitted on paging call receive\n<SELECT>"),
     ""},
    {3301, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3302, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3303, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3304, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3305, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3306, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3307, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3308, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3309, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3310, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<ENTER>"), ""},
    {3311, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3312, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3313, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3314, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3315, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3316, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3317, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3318, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3319, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3320, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Page Code\n<SELECT>"), ""},
    {3321,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "PAGE %1: 呼叫码 \"000\" 只能与 \"ENC & DEC\" 一起使用"),
     "page code 000 is stored as no code unless ENC & DEC is chosen"},
    {3401,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Automatic reset after scan resume time 2 expired\n<SELECT>"),
     ""},
    {3402, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Group call selection\n<SELECT>"), ""},
    {3403,
     MZ58_TRANSLATE_NOOP(
         "mz58::StringTable",
         "Number of times of alert tone will be emitted on paging call  receive\n<SELECT>"),
     ""},
    {3404,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Choice between Standard 2 Tone and User defined 2 Tone\n<SELECT>"),
     ""},
    {3501, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3502, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3503, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3504, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3505, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3506, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3507, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3508, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3509, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3510, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3511, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3512, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3513, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3514, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3515, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3516, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3517, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3518, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3519, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3520, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3521, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3522, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3523, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3524, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3525, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3526, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3527, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3528, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3529, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3530, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3531, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3532, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3533, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3534, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3535, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3536, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3537, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3538, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3539, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3540, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3541, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3542, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3543, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3544, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3545, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3546, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2Tone Group\n<SELECT>"), ""},
    {3547, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 1st Frequency\n<SELECT>"), ""},
    {3548, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Select 2nd Frequency\n<SELECT>"), ""},
    {3549, MZ58_TRANSLATE_NOOP("mz58::StringTable", "1st Frequency\n<ENTER>"), ""},
    {3550, MZ58_TRANSLATE_NOOP("mz58::StringTable", "2nd Frequency\n<ENTER>"), ""},
    {3701, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3702, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3703, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3704, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3705, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3706, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3707, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {3708, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Channel Type\n<SELECT>"), ""},
    {7001, MZ58_TRANSLATE_NOOP("mz58::StringTable", "默认差频 %1 MHz 无效, 已改为 %2 MHz"),
     "the file's local offset is not a usable value; it was replaced"},
    // Values the radio cannot use, found when a file is opened or the radio is read
    {7200,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Some values cannot be used by the radio. They are shown as stored and "
                         "nothing was changed:"),
     ""},
    {7201, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Ch %1 Receive: %2 MHz is outside %3 MHz"), ""},
    {7202, MZ58_TRANSLATE_NOOP("mz58::StringTable", "Ch %1 Transmit: %2 MHz is outside %3 MHz"),
     ""},
    {7203,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Receive: no frequency is stored; the band default %2 MHz that is "
                         "shown cannot be held on the %3 kHz step"),
     ""},
    {7204,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Transmit: no frequency is stored; the band default %2 MHz that is "
                         "shown cannot be held on the %3 kHz step"),
     ""},
    {7205,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Receive: %2 MHz cannot be held on the %3 kHz step"),
     ""},
    {7206,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Transmit: %2 MHz cannot be held on the %3 kHz step"),
     ""},
    {7207,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Decode tone: %2 number %3 is not in the list of %4"),
     ""},
    {7208,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Encode tone: %2 number %3 is not in the list of %4"),
     ""},
    {7209,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Power level: stored value %2 is not in the list"),
     ""},
    {7210,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Busy lockout: stored value %2 is not in the list"),
     ""},
    {7211,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Ch %1 Channel type: stored value %2 is not in the list"),
     ""},
    {7212,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "Local offset: %1 MHz moves every transmit frequency outside %2 MHz"),
     ""},
    {7213, MZ58_TRANSLATE_NOOP("mz58::StringTable", "... and %1 more (see the details)"), ""},
    // Settings dialogs
    {7220,
     MZ58_TRANSLATE_NOOP("mz58::StringTable",
                         "This resets the channel types and scan membership of all 16 channels"),
     ""},
    // Start-up
    {7230,
     MZ58_TRANSLATE_NOOP("mz58::StringTable", "Unsaved changes from %1 were recovered. Open them?"),
     ""},
    {7231, MZ58_TRANSLATE_NOOP("mz58::StringTable", "recovered changes"), ""},
    {59143, MZ58_TRANSLATE_NOOP("mz58::StringTable", "[ Key Operation ]"),
     ""}, // default text of the tip bar's right pane
    {61699, MZ58_TRANSLATE_NOOP("mz58::StringTable", "是否保存对 %1 的更改?"), "save the changes?"},
};

constexpr bool sortedById() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    }
    return true;
}
static_assert(sortedById(), "string table must be sorted by id");

const StringEntry* find(StringId id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const StringEntry& e, StringId v) { return e.id < v; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

} // namespace

std::string_view stringText(StringId id) {
    const auto* e = find(id);
    return e ? e->text : std::string_view{};
}

std::string_view stringGloss(StringId id) {
    const auto* e = find(id);
    return e ? e->gloss : std::string_view{};
}

std::string formatMessage(std::string_view text, std::span<const std::string> args) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size())
                result += args[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string messageText(const UserMessage& message) {
    return formatMessage(stringText(message.id), message.args);
}

std::string messageExplanation(const UserMessage& message) {
    std::string text(stringGloss(message.id));
    if (!message.detail.empty())
        text += (text.empty() ? "" : ": ") + message.detail;
    return text;
}

} // namespace mz58
