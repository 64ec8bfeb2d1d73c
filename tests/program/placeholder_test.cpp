int dummy_program_test;
