// What every record class shares: cutting fixed-width texts.
#include "UnitMV5DataInterface.h"

namespace {
class TclsWidthCutter : public TclsFieldVisitor {
public:
    void pField(const TrecColumn &recColumn, TFieldRef refField) override {
        if (recColumn.iWidth <= 0)
            return;
        if (auto *pst = std::get_if<QString *>(&refField); pst && (*pst)->size() > recColumn.iWidth)
            (*pst)->truncate(recColumn.iWidth);
    }
};
} // namespace

void TclsMVData::pCutToWidths() {
    TclsWidthCutter objCutter;
    pVisitFields(objCutter);
}
