#include "wizard/WizardSheet.h"

#include "util/Memory.h"
#include "util/SystemDlls.h"
#include "util/Text.h"
#include "wizard/PageDialogProc.h"
#include "wizard/PageRegistry.h"
#include "wizard/WizardPage.h"

#include <prsht.h>

// The page record that includes the header-title fields (left empty), and the
// classic sheet header, as Windows 95 knows them.
const UINT kPageDescriptionSize = 48;
const UINT kSheetHeaderSize = 52;

WizardSheet::WizardSheet(const char* title, HWND parent)
    : parent(parent), title(title ? StrDup(title) : nullptr)
{
    MemFill(&pageRegistry, 0, sizeof pageRegistry);
}

WizardSheet::~WizardSheet()
{
    MemFree(title);
}

int WizardSheet::AddPage(WizardPage* page)
{
    // More pages than the registry holds would write past it.
    if (pageRegistry.count >= kPageCapacity)
        return -1;
    pageRegistry.pages[pageRegistry.count] = page;
    return static_cast<int>(pageRegistry.count++);
}

static void FillPageDescription(PROPSHEETPAGEA& description, unsigned long index,
                                HINSTANCE module, const char* title)
{
    description.dwSize = kPageDescriptionSize;
    description.dwFlags = title ? PSP_USETITLE : PSP_DEFAULT;
    description.hInstance = module;
    description.pszTemplate =
        MAKEINTRESOURCEA(pageRegistry.pages[index]->GetDialogId() & 0xFFFF);
    description.pszTitle = title;
    description.pfnDlgProc = PageDialogProc;
    description.lParam = static_cast<LPARAM>(index);
}

INT_PTR WizardSheet::Run()
{
    return RunWithFlags(0);
}

INT_PTR WizardSheet::RunWithFlags(DWORD extraFlags)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    unsigned long count = pageRegistry.count;
    // Descriptions are laid out with the 48-byte stride the sheet is told.
    unsigned char* descriptions =
        static_cast<unsigned char*>(MemAlloc(kPageDescriptionSize * (count ? count : 1)));
    if (!descriptions)
        return -1;
    for (unsigned long i = 0; i < count; ++i) {
        PROPSHEETPAGEA page = {};
        FillPageDescription(page, i, module, title);
        MemCopy(descriptions + i * kPageDescriptionSize, &page, kPageDescriptionSize);
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = kSheetHeaderSize;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_NOAPPLYNOW | extraFlags;
    header.hwndParent = parent;
    header.hInstance = module;
    header.pszCaption = "";
    header.nPages = count;
    header.nStartPage = 0;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(descriptions);
    for (unsigned long i = 0; i < kPageCapacity; ++i)
        pageRegistry.windows[i] = nullptr;
    INT_PTR result = PropertySheetFromSystem(&header);
    MemFree(descriptions);
    return result;
}

bool WizardSheet::CommitAll()
{
    for (unsigned long i = 0; i < pageRegistry.count; ++i) {
        if (!pageRegistry.pages[i]->Commit())
            return false;
    }
    return true;
}
