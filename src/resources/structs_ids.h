// Resource identifiers of the structs dialogs (included by resource_ids.h).
#pragma once
