# The GX5 family's value rules.
vd_add_test(NAME gx5_rules_tests
    SOURCES
        Gx5RulesTest.cpp
    LIBS valdren_models)
