// replaced by the operations
