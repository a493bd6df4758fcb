// TEMPORARY: stands in for the mapping of module objects until that work
// is merged; every record stays tags only. Delete this file on that merge.
#include "platform/sdk/OdDxfObjectMap.h"

OdDbObjectPtr odDxfObjectFromTags(const OdDxfTags&, const OdDxfContext&) { return OdDbObjectPtr(); }

void odDxfLinkFields(const OdDxfContext&) {}

OdDxfTags odDxfTagsFromObject(const OdDbObject&, const OdDxfTags& original, const OdDxfContext&) { return original; }
