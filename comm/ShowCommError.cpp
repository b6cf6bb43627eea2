#include "comm/ShowCommError.h"

#include "platform/MessageBox.h"

CommErrorText CommErrorMessage(CommResult code) {
    switch (code) {
    case kCommNoReply:
        return {"提示", "通讯超时错误，通讯失败！\r\n请检查通讯参数配置是否准确，通讯线路、计算机通讯口以及PLC工作是否正常。"};
    case kCommWrongLetter:
        return {"提示", "PLC响应错误（功能码），通讯失败！"};
    case kCommWrongBlock:
        return {"提示", "PLC响应错误（数据包号），通讯失败！"};
    case kCommSendFailed:
        return {"错误", "数据数据发送错误，通讯失败！\r\n请检查通讯线路、计算机通讯口或者重新启动计算机。"};
    case kCommReceiveFailed:
        return {"提示", "计算机接收数据错误，通讯失败！\r\n请请检查计算机通讯口、通讯线路或者重新启动计算机。"};
    case kCommBadReply:
        return {"提示", "接收数据CRC校验错误，通讯失败！\r\n请检查通讯口、通讯线路以及周围是否存在强干扰。"};
    case kCommLineError:
        return {"提示", "接收数据帧错误或者奇偶校验错误，通讯失败！\r\n请检查通讯口、通讯线路以及周围是否存在强干扰。"};
    case kCommPortClosed:
        return {"错误", "指定的通讯口尚未打开，通讯失败！"};
    case kCommPasswordNeeded:
        return {"提示", "PLC需要密码进行当前的操作，用户输入的密码错误！"};
    case kCommPasswordCancelled:
        return {"提示", "PLC需要密码进行当前的操作，用户没有输入密码，当前操作取消！"};
    case kCommUploadForbidden:
        return {"提示", "PLC中的当前工程被设置成不允许上载，上载终止！"};
    case kCommTransferTooLong:
        return {"提示", "目标文件超出PLC可接收的大小，下载终止！"};
    default:
        return {"提示", "通讯异常！"};
    }
}

void ShowCommError(HWND owner, CommResult code, char /*letter*/) {
    const HWND focus = GetFocus();
    const CommErrorText message = CommErrorMessage(code);
    AfxShowMessageBox(owner, message.text, message.caption, MB_OK | MB_ICONERROR);
    if (focus)
        SetFocus(focus);
}
