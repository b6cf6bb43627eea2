#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Builds a dialog template in memory, as the resource compiler would, for dialogs in
// tests. Positions are dialog units; texts are the program's GBK text.
class DialogTemplate {
public:
    DialogTemplate(LPCSTR caption, int width, int height, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

    // Predefined control classes: 0x80 button, 0x81 edit, 0x82 static, 0x83 list box,
    // 0x84 scroll bar, 0x85 combo box.
    DialogTemplate& Add(WORD classAtom, int id, LPCSTR text, int x, int y, int width, int height, DWORD style);
    DialogTemplate& Add(LPCSTR className, int id, LPCSTR text, int x, int y, int width, int height, DWORD style);
    DialogTemplate& Button(int id, LPCSTR text, int x, int y, DWORD style = BS_PUSHBUTTON | WS_TABSTOP);
    DialogTemplate& Edit(int id, int x, int y, int width, DWORD style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);

    // The dialog's place (10, 10 unless set); (0, 0) leaves it to the system.
    DialogTemplate& At(int x, int y) {
        m_x = x;
        m_y = y;
        return *this;
    }
    LPCDLGTEMPLATEA Get();

private:
    static std::vector<WORD> ItemHeader(int id, int x, int y, int width, int height, DWORD style);
    DialogTemplate& AddItem(std::vector<WORD>& item, LPCSTR text);

    std::vector<std::vector<WORD>> m_items;
    DWORD m_style;
    std::string m_caption;
    int m_width;
    int m_height;
    int m_x = 10;
    int m_y = 10;
    std::vector<WORD> m_built;
};
