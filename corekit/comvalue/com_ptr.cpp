#include "corekit/comvalue/com_ptr.h"

#include "corekit/comvalue/generic_value.h"

template class TComPtrBase<IGenericValue>;
template class TComPtr<IGenericValue>;
