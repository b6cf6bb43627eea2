#include "language/InstrDesc.h"

// The descriptions are GB2312 texts of at most 39 bytes. The records that are not shown
// follow the conventions of the shown ones: boxes have EN and ENO, contacts and coils
// one unnamed operand pin.
const InstrDesc LadderInstrCatalogue[LADDER_CATALOGUE_COUNT] = {
    {"-| |-", INSTR_CONTACT, GROUP_BIT_LOGIC, 1, {{"", 0x61FEB001}}, 1, "常开触点"},  // 0
    {"-|/|-", INSTR_CONTACT, GROUP_BIT_LOGIC, 1, {{"", 0x61FEA001}}, 1, "常闭触点"},  // 1
    {"-|I|-", INSTR_CONTACT, GROUP_BIT_LOGIC, 1, {{"", PIN_IMMEDIATE_CONTACT}}, 0, "立即常开触点"},  // 2
    {"-|/I|-", INSTR_CONTACT, GROUP_BIT_LOGIC, 1, {{"", PIN_IMMEDIATE_CONTACT}}, 0, "立即常闭触点"},  // 3
    {"-|NOT|-", INSTR_CONTACT, GROUP_BIT_LOGIC, 0, {}, 0, "取反"},  // 4
    {"-(NUL)", INSTR_COIL, GROUP_BIT_LOGIC, 0, {}, 1, "网络结束"},  // 5
    {"-( )", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_COIL}}, 1, "线圈"},  // 6
    {"-(/)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_COIL}}, 0, "取反线圈"},  // 7
    {"-(I)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_IMMEDIATE_COIL}}, 0, "立即输出线圈"},  // 8
    {"-(S)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_COIL}}, 1, "置位线圈"},  // 9
    {"-(SI)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_IMMEDIATE_COIL}}, 0, "立即置位线圈"},  // 10
    {"-(R)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_COIL}}, 1, "复位线圈"},  // 11
    {"-(RI)", INSTR_COIL, GROUP_BIT_LOGIC, 1, {{"", PIN_IMMEDIATE_COIL}}, 0, "立即复位线圈"},  // 12
    {"R_TRIG", INSTR_FUNCTION, GROUP_BIT_LOGIC, 2, {{"CLK", 0x61FEB001}, {"Q", PIN_COIL}}, 1, "取上升沿"},  // 13
    {"F_TRIG", INSTR_FUNCTION, GROUP_BIT_LOGIC, 2, {{"CLK", 0x61FEB001}, {"Q", PIN_COIL}}, 1, "取下降沿"},  // 14
    {"RS", INSTR_FUNCTION_BLOCK, GROUP_BIT_LOGIC, 3, {{"S", PIN_EN}, {"R1", PIN_EN}, {"Q1", PIN_COIL}}, 0, "复位优先触发器"},  // 15
    {"SR", INSTR_FUNCTION_BLOCK, GROUP_BIT_LOGIC, 3, {{"S1", PIN_EN}, {"R", PIN_EN}, {"Q1", PIN_COIL}}, 0, "置位优先触发器"},  // 16
    {"NOP", INSTR_FUNCTION, GROUP_BIT_LOGIC, 3, {{"EN", PIN_EN}, {"N", 0xB002}, {"ENO", PIN_ENO}}, 0, "空操作"},  // 17
    {"MOVE", INSTR_FUNCTION, GROUP_MOVE, 4, {{"EN", PIN_EN}, {"IN", 0x1DFEB07E}, {"ENO", PIN_ENO}, {"OUT", 0x119D407E}}, 1, "赋值"},  // 18
    {"BLKMOVE", INSTR_FUNCTION, GROUP_MOVE_FILL, 5, {{"EN", PIN_EN}, {"IN", 0x1DFEB07E}, {"N", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x119D407E}}, 1, "块转移"},  // 19
    {"FILL", INSTR_FUNCTION, GROUP_MOVE_FILL, 5, {{"EN", PIN_EN}, {"IN", 0xB002}, {"N", 0xB002}, {"ENO", PIN_ENO}, {"OUT", 0x01894002}}, 1, "块赋值"},  // 20
    {"EXCH", INSTR_FUNCTION, GROUP_OTHER, 3, {{"EN", PIN_EN}, {"IN", 0x019DE004}, {"ENO", PIN_ENO}}, 0, "交换字节"},  // 21
    {"GT", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "大于"},  // 22
    {"GE", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "大于等于"},  // 23
    {"EQ", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "等于"},  // 24
    {"NE", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "不等于"},  // 25
    {"LT", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "小于"},  // 26
    {"LE", INSTR_FUNCTION, GROUP_COMPARE, 4, {{"EN", PIN_EN}, {"IN1", 0x1DFEB072}, {"IN2", 0x1DFEB072}, {"OUT", PIN_COIL}}, 1, "小于等于"},  // 27
    {"NOT", INSTR_FUNCTION, GROUP_BITWISE, 4, {{"EN", PIN_EN}, {"IN", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位取反"},  // 28
    {"AND", INSTR_FUNCTION, GROUP_BITWISE, 5, {{"EN", PIN_EN}, {"IN1", 0x019EB00E}, {"IN2", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位与"},  // 29
    {"ANDN", INSTR_FUNCTION, GROUP_BITWISE, 5, {{"EN", PIN_EN}, {"IN1", 0x019EB00E}, {"IN2", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位与非"},  // 30
    {"OR", INSTR_FUNCTION, GROUP_BITWISE, 5, {{"EN", PIN_EN}, {"IN1", 0x019EB00E}, {"IN2", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位或"},  // 31
    {"ORN", INSTR_FUNCTION, GROUP_BITWISE, 5, {{"EN", PIN_EN}, {"IN1", 0x019EB00E}, {"IN2", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位或非"},  // 32
    {"XOR", INSTR_FUNCTION, GROUP_BITWISE, 5, {{"EN", PIN_EN}, {"IN1", 0x019EB00E}, {"IN2", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "按位异或"},  // 33
    {"SHL", INSTR_FUNCTION, GROUP_SHIFT, 5, {{"EN", PIN_EN}, {"IN", 0x019EB00E}, {"N", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "左移"},  // 34
    {"ROL", INSTR_FUNCTION, GROUP_SHIFT, 5, {{"EN", PIN_EN}, {"IN", 0x019EB00E}, {"N", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "循环左移"},  // 35
    {"SHL_BLK", INSTR_FUNCTION, GROUP_OTHER, 6, {{"EN", PIN_EN}, {"S_DATA", 0x019EA002}, {"S_N", 0x019EB002}, {"D_DATA", 0x019D4002}, {"D_N", 0x019EB002}, {"ENO", PIN_ENO}}, 0, "块左移"},  // 36
    {"SHR", INSTR_FUNCTION, GROUP_SHIFT, 5, {{"EN", PIN_EN}, {"IN", 0x019EB00E}, {"N", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "右移"},  // 37
    {"ROR", INSTR_FUNCTION, GROUP_SHIFT, 5, {{"EN", PIN_EN}, {"IN", 0x019EB00E}, {"N", 0x019EB00E}, {"ENO", PIN_ENO}, {"OUT", 0x019D400E}}, 1, "循环右移"},  // 38
    {"SHR_BLK", INSTR_FUNCTION, GROUP_OTHER, 6, {{"EN", PIN_EN}, {"S_DATA", 0x019EA002}, {"S_N", 0x019EB002}, {"D_DATA", 0x019D4002}, {"D_N", 0x019EB002}, {"ENO", PIN_ENO}}, 0, "块右移"},  // 39
    {"B_TO_I", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x119D4010}}, 0, "BYTE型转INT型"},  // 40
    {"I_TO_B", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x1DFEB010}, {"ENO", PIN_ENO}, {"OUT", 0x019D4002}}, 0, "INT型转BYTE型"},  // 41
    {"DI_TO_I", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x059EB020}, {"ENO", PIN_ENO}, {"OUT", 0x119D4010}}, 0, "DINT型转INT型"},  // 42
    {"I_TO_DI", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x1DFEB010}, {"ENO", PIN_ENO}, {"OUT", 0x019D4020}}, 0, "INT型转DINT型"},  // 43
    {"DI_TO_R", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x059EB020}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 1, "DINT型转REAL型"},  // 44
    {"R_TO_DI", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x0180A040}, {"ENO", PIN_ENO}, {"OUT", 0x019D4020}}, 1, "REAL型转DINT型"},  // 45
    {"BCD_TO_I", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB004}, {"ENO", PIN_ENO}, {"OUT", 0x019D4004}}, 0, "BCD码转整数"},  // 46
    {"I_TO_BCD", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB004}, {"ENO", PIN_ENO}, {"OUT", 0x019D4004}}, 0, "整数转BCD码"},  // 47
    {"H_TO_A", INSTR_FUNCTION, GROUP_CONVERSION, 5, {{"EN", PIN_EN}, {"IN", 0x019EA002}, {"LEN", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x019D4002}}, 0, "十六进制数转ASCII码"},  // 48
    {"A_TO_H", INSTR_FUNCTION, GROUP_CONVERSION, 5, {{"EN", PIN_EN}, {"IN", 0x019EA002}, {"LEN", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x019D4002}}, 0, "ASCII码转十六进制数"},  // 49
    {"ENCO", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB004}, {"ENO", PIN_ENO}, {"OUT", 0x019D4002}}, 0, "编码"},  // 50
    {"DECO", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x019D4004}}, 0, "译码"},  // 51
    {"SEG", INSTR_FUNCTION, GROUP_CONVERSION, 4, {{"EN", PIN_EN}, {"IN", 0x019EB002}, {"ENO", PIN_ENO}, {"OUT", 0x019D4002}}, 0, "七段码"},  // 52
    {"ADD", INSTR_FUNCTION, GROUP_ARITHMETIC, 5, {{"EN", PIN_EN}, {"IN1", 0x1DFEB070}, {"IN2", 0x1DFEB070}, {"ENO", PIN_ENO}, {"OUT", 0x119D4070}}, 1, "加"},  // 53
    {"SUB", INSTR_FUNCTION, GROUP_ARITHMETIC, 5, {{"EN", PIN_EN}, {"IN1", 0x1DFEB070}, {"IN2", 0x1DFEB070}, {"ENO", PIN_ENO}, {"OUT", 0x119D4070}}, 1, "减"},  // 54
    {"MUL", INSTR_FUNCTION, GROUP_ARITHMETIC, 5, {{"EN", PIN_EN}, {"IN1", 0x1DFEB070}, {"IN2", 0x1DFEB070}, {"ENO", PIN_ENO}, {"OUT", 0x119D4070}}, 1, "乘"},  // 55
    {"DIV", INSTR_FUNCTION, GROUP_ARITHMETIC, 5, {{"EN", PIN_EN}, {"IN1", 0x1DFEB070}, {"IN2", 0x1DFEB070}, {"ENO", PIN_ENO}, {"OUT", 0x119D4070}}, 1, "除"},  // 56
    {"MOD", INSTR_FUNCTION, GROUP_ARITHMETIC, 5, {{"EN", PIN_EN}, {"IN1", 0x1DFEB032}, {"IN2", 0x1DFEB032}, {"ENO", PIN_ENO}, {"OUT", 0x119D4032}}, 1, "求余"},  // 57
    {"INC", INSTR_FUNCTION, GROUP_ARITHMETIC, 4, {{"EN", PIN_EN}, {"IN", 0x1DFEB032}, {"ENO", PIN_ENO}, {"OUT", 0x119D4032}}, 1, "加1"},  // 58
    {"DEC", INSTR_FUNCTION, GROUP_ARITHMETIC, 4, {{"EN", PIN_EN}, {"IN", 0x1DFEB032}, {"ENO", PIN_ENO}, {"OUT", 0x119D4032}}, 1, "减1"},  // 59
    {"SQRT", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "平方根"},  // 60
    {"LN", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "自然对数"},  // 61
    {"LOG", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "常用对数"},  // 62
    {"EXP", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "自然指数"},  // 63
    {"SIN", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "正弦"},  // 64
    {"COS", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "余弦"},  // 65
    {"TAN", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"IN", 0x0180B040}, {"ENO", PIN_ENO}, {"OUT", 0x01814040}}, 0, "正切"},  // 66
    {"FOR", INSTR_FUNCTION, GROUP_PROGRAM_CONTROL, 5, {{"EN", PIN_EN}, {"INDX", 0x119D4010}, {"INIT", 0x1DFEB010}, {"FINAL", 0x1DFEB010}, {"ENO", PIN_ENO}}, 0, "循环开始"},  // 67
    {"-(NEXT)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 0, "循环结束"},  // 68
    {"-(LBL)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 1, {{"", PIN_LABEL}}, 1, "设置语句标签"},  // 69
    {"-(JMP)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 1, {{"", PIN_LABEL}}, 1, "无条件跳转"},  // 70
    {"-(JMPC)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 1, {{"", PIN_LABEL}}, 1, "条件跳转"},  // 71
    {"-(JMPCN)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 1, {{"", PIN_LABEL}}, 1, "条件(取反)跳转"},  // 72
    {"-(RET)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 0, "退出程序"},  // 73
    {"-(RETC)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 1, "条件退出程序"},  // 74
    {"-(RETCN)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 1, "条件(取反)退出程序"},  // 75
    {"-(END)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 0, "主程序结束"},  // 76
    {"-(STOP)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 0, "停止运行"},  // 77
    {"-(WDR)", INSTR_COIL, GROUP_PROGRAM_CONTROL, 0, {}, 0, "看门狗复位"},  // 78
    {"-(ENI)", INSTR_COIL, GROUP_INTERRUPT, 0, {}, 1, "开中断"},  // 79
    {"-(DISI)", INSTR_COIL, GROUP_INTERRUPT, 0, {}, 1, "关中断"},  // 80
    {"ATCH", INSTR_FUNCTION, GROUP_INTERRUPT, 4, {{"EN", PIN_EN}, {"INT", 0xA400}, {"EVENT", 0xB010}, {"ENO", PIN_ENO}}, 1, "分配中断"},  // 81
    {"DTCH", INSTR_FUNCTION, GROUP_INTERRUPT, 3, {{"EN", PIN_EN}, {"EVENT", 0xB010}, {"ENO", PIN_ENO}}, 1, "释放中断"},  // 82
    {"READ_RTC", INSTR_FUNCTION, GROUP_CLOCK, 3, {{"EN", PIN_EN}, {"ENO", PIN_ENO}, {"T", 0x01894002}}, 1, "读取实时时钟"},  // 83
    {"SET_RTC", INSTR_FUNCTION, GROUP_CLOCK, 3, {{"EN", PIN_EN}, {"ENO", PIN_ENO}, {"T", 0x0188A002}}, 1, "设置实时时钟"},  // 84
    {"XMT", INSTR_FUNCTION, GROUP_FREE_PORT, 4, {{"EN", PIN_EN}, {"TBL", 0x0080A002}, {"PORT", 0xB010}, {"ENO", PIN_ENO}}, 1, "自由通讯：发送数据"},  // 85
    {"RCV", INSTR_FUNCTION, GROUP_FREE_PORT, 4, {{"EN", PIN_EN}, {"TBL", 0x0080A002}, {"PORT", 0xB010}, {"ENO", PIN_ENO}}, 1, "自由通讯：接收数据"},  // 86
    {"CTU", INSTR_FUNCTION_BLOCK, GROUP_COUNTER, 5, {{"CU", PIN_EN}, {"R", PIN_EN}, {"PV", 0x199EB010}, {"Q", PIN_COIL}, {"CV", 0x119D4010}}, 1, "加计数器"},  // 87
    {"CTD", INSTR_FUNCTION_BLOCK, GROUP_COUNTER, 5, {{"CD", PIN_EN}, {"LD", PIN_EN}, {"PV", 0x199EB010}, {"Q", PIN_COIL}, {"CV", 0x119D4010}}, 1, "减计数器"},  // 88
    {"CTUD", INSTR_FUNCTION_BLOCK, GROUP_COUNTER, 8, {{"CU", PIN_EN}, {"CD", PIN_EN}, {"R", PIN_EN}, {"LD", PIN_EN}, {"PV", 0x199EB010}, {"QU", PIN_COIL}, {"QD", PIN_COIL}, {"CV", 0x119D4010}}, 0, "加减计数器"},  // 89
    {"HDEF", INSTR_FUNCTION, GROUP_OTHER, 4, {{"EN", PIN_EN}, {"HSC", 0xB010}, {"MODE", 0xB010}, {"ENO", PIN_ENO}}, 1, "高速计数器定义"},  // 90
    {"HSC", INSTR_FUNCTION, GROUP_OTHER, 3, {{"EN", PIN_EN}, {"N", 0xB010}, {"ENO", PIN_ENO}}, 1, "高速计数器"},  // 91
    {"PLS", INSTR_FUNCTION, GROUP_OTHER, 3, {{"EN", PIN_EN}, {"Q", 0xB010}, {"ENO", PIN_ENO}}, 1, "脉冲输出"},  // 92
    {"TON", INSTR_FUNCTION_BLOCK, GROUP_TIMER, 4, {{"IN", PIN_EN}, {"PT", 0x19FEB010}, {"Q", PIN_COIL}, {"ET", 0x119D4010}}, 1, "接通延时定时器"},  // 93
    {"TOF", INSTR_FUNCTION_BLOCK, GROUP_TIMER, 4, {{"IN", PIN_EN}, {"PT", 0x19FEB010}, {"Q", PIN_COIL}, {"ET", 0x119D4010}}, 1, "断开延时定时器"},  // 94
    {"TP", INSTR_FUNCTION_BLOCK, GROUP_TIMER, 4, {{"IN", PIN_EN}, {"PT", 0x19FEB010}, {"Q", PIN_COIL}, {"ET", 0x119D4010}}, 1, "脉冲定时器"},  // 95
    {"PID", INSTR_FUNCTION, GROUP_PID, 16, {{"EN", PIN_EN}, {"AUTO", PIN_EN}, {"PV", 0x0988A010}, {"SP", 0x0188A010}, {"X0", 0x0180B040}, {"KP", 0x0180B040}, {"TR", 0x0180B040}, {"TD", 0x0180B040}, {"PV_FAC", 0x0180B040}, {"PV_OFF", 0x0180B040}, {"XOUT_FAC", 0x0180B040}, {"XOUT_OFF", 0x0180B040}, {"CYCLE", 0x0188A020}, {"ENO", PIN_ENO}, {"XOUT", 0x01814040}, {"XOUT_PER", 0x11894010}}, 1, "PID回路调节"},  // 96
};
