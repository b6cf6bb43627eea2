#include "platform/CPrintInfo.h"

#include "platform/CDC.h"
#include "platform/CPrintDialog.h"

#include <algorithm>

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION | PD_HIDEPRINTTOFILE)) {
    m_pPD->m_pd.nMinPage = 1;
    m_pPD->m_pd.nMaxPage = unknownPageCount;
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 1;
}

CPrintInfo::~CPrintInfo() { delete m_pPD; }

void CPrintInfo::SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = static_cast<WORD>(page); }

void CPrintInfo::SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(page); }

UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }

UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const {
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const { return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage(); }

BOOL CPrintInfo::GetPrintRange(UINT& first, UINT& last) const {
    UINT maxPage = GetMaxPage() == unknownPageCount ? GetMinPage() : GetMaxPage();
    first = std::max(GetFromPage(), GetMinPage());
    last = std::min(GetToPage(), maxPage);
    return first <= last;
}

void CPrintInfo::OfferAllPages() {
    m_pPD->m_pd.nFromPage = m_pPD->m_pd.nMinPage;
    m_pPD->m_pd.nToPage = GetMaxPage() == unknownPageCount ? m_pPD->m_pd.nMinPage : m_pPD->m_pd.nMaxPage;
}

void CPrintInfo::SetDrawRect(CDC* dc) {
    m_rectDraw.SetRect(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES));
    dc->DPtoLP(&m_rectDraw);
}
