#pragma once

// Program-wide texts: fixed folder names, the registry names of the settings, the
// option lists that module settings index into, and the initial-data check messages.

constexpr const char* WorkTempFolder = "c:\\_tessaron_temp";
constexpr const char* ProjectFolderName = "project";
constexpr const char* AppKeyName = "QLX Tessaron";
constexpr const char* RegistryKeyName = "QLX Tessaron";

// Section "Configuration" and its values.
constexpr const char* SectionConfiguration = "Configuration";
constexpr const char* ValueInterface = "Interface";
constexpr const char* ValueOnlineFormat = "OnlineFormat";
constexpr const char* ValueCompileBeforeDown = "IfCompileBeforeDown";
constexpr const char* ValueCompileBeforeOnline = "IfCompileBeforeOnline";
constexpr const char* ValueDefaultPouLang = "DefaultPOULang";
constexpr const char* ValueDefaultCpu = "DefaultCPU";
constexpr const char* ValuePrevProj = "PrevProj";
constexpr const char* ValueZipPath = "ZipPath";
constexpr const char* ValueIlTextFont = "ILTextFont";
constexpr const char* ValueLdTextFont = "LDTextFont";
constexpr const char* ValueLdCommentFont = "LDCommentFont";

// Section "COM": the PC's communication settings.
constexpr const char* SectionCom = "COM";
constexpr const char* ValuePort = "PORT";
constexpr const char* ValueDestAddr = "DestAddr";
constexpr const char* ValueBaud = "Baud";
constexpr const char* ValueDataBits = "DataBits";
constexpr const char* ValueParity = "Parity";
constexpr const char* ValueStopBits = "StopBits";

// Option lists; module records hold indexes into them.
constexpr const char* InputFilterTimes[] = {"0.8ms", "1.6ms", "3.2ms", "6.4ms", "12.8ms"};
constexpr const char* RetainAreaNames[] = {"VB", "C"};
constexpr const char* AiFilterModes[] = {"无", "算术平均", "中值平均"};
constexpr const char* AiSignalRanges[] = {"[4,20]mA", "[0,20]mA", "[1,5]V", "[-10,10]V"};
constexpr const char* NtcSensorNames[] = {"mfd502-3470"};
constexpr const char* RtdSensorNames[] = {"Pt100", "Cu50"};
constexpr const char* TcSensorNames[] = {"J型（外补偿）", "J型（内补偿）", "K型（外补偿）", "K型（内补偿）"};
constexpr const char* BaudRateNames[] = {"2400", "4800", "9600", "19200", "38400"};
constexpr const char* ParityNames[] = {"无校验", "奇校验", "偶校验"};
constexpr const char* DataBitsNames[] = {"", "8"};
constexpr const char* StopBitsNames[] = {"1"};

// Messages of the initial-data table check.
constexpr const char* InitDataMessages[] = {
    "地址非法。",
    "地址不符合初始化数据的要求。初始化数据只支持V区BYTE、WORD、DWORD、INT、DINT、REAL型数据",
    "初始值非法。",
    "初始值的数据类型错误",
    "初始值类型无法识别，原因是地址错误。",
    "地址超出了有效的地址范围。",
};
