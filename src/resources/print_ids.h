// Resource identifiers of the print dialogs (included by resource_ids.h).
#pragma once
