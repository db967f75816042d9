#include "ui/pages/PageFactory.h"

#include "ui/FormContext.h"
#include "ui/pages/CabinetPage.h"
#include "ui/pages/ComponentPages.h"
#include "ui/pages/ConnectionSimultaneityPages.h"
#include "ui/pages/PersonProjectPages.h"
#include "ui/pages/TemperatureLossPages.h"

namespace zek {

TMDIChild* CreatePage(int index, FormContext& context, QWidget* parent) {
    switch (index) {
    case 0:
        return new TPersonDlg(context, parent);
    case 1:
        return new TProjektDlg(context, parent);
    case 2:
        return new TAnschlussDlg(context, parent);
    case 3:
        return new TSchaltschrankDlg(context, parent);
    case 4:
        return new TTemperaturDlg(context, parent);
    case 5:
        return new TGleichDlg(context, parent);
    case 6:
        return new TVerlustDlg(context, parent);
    case 7:
        return new TLeistungsschalterDlg(context, parent);
    case 8:
        return new TSicherungenDlg(context, parent);
    case 9:
        return new TMotorschutzDlg(context, parent);
    case 10:
        return new TRelaisDlg(context, parent);
    case 11:
        return new TLeistungsschuetzeDlg(context, parent);
    case 12:
        return new TLampenDlg(context, parent);
    case 13:
        return new TTransformatorDlg(context, parent);
    case 14:
        return new TNetzteileDlg(context, parent);
    case 15:
        return new TFrequenzumrichterDlg(context, parent);
    case 16:
        return new TSteuerungenDlg(context, parent);
    case 17:
        return new TSonstigeDlg(context, parent);
    default:
        return nullptr;
    }
}

} // namespace zek
