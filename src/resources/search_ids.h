// Resource identifiers of the search dialogs (included by resource_ids.h).
#pragma once
