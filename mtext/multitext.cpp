#include "mtext/multitext.h"

#include "platform/sdk/OdDbField.h"

namespace mtext {

field::field(const format::string& f, OdSmartPtr<OdDbField> object)
    : part(f), field_object(std::move(object)) {}

field::field(const field& other) = default;

field::~field() = default;

}  // namespace mtext
